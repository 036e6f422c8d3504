// The icon set, the background picture and their presence in the linked resources.
#include "ui/ribbon/Ribbon.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {
// Every command of the main window, the chooser and the mode windows.
const QStringList& commands()
{
    static const QStringList names = [] {
        QStringList n{
            // main window
            "actClose", "actManagement", "act", "actGurnal", "actView", "actPersonal_Editor",
            "actExamenation", "actSelf_training", "actEditor", "actViewExe", "actExamenationExe",
            "actSelf_trainingExe", "actEditorExe", "actelectroeconomy", "actOtvetsvennyeWorks",
            "actGivingOrder", "actVManufacturersWorks", "actElectrical_engineers_II",
            "actElectrical_engineers_III", "actElectrical_engineers_IV", "actElectrical_engineers_V",
            "actPower_Dispatcher", "actPersonal", "actCategorii", "actDopuski", "actCriterii",
            "actVoprosyToRazdely", "actGurnalAll", "actLoadText", "DataSetFirst1", "DataSetPrior1",
            "DataSetNext1", "DataSetLast1", "DataSetInsert1", "DataSetDelete1", "DataSetEdit1",
            "DataSetPost1", "DataSetCancel1", "DataSetRefresh1",
            // chooser
            "actExit", "actDalee",
            // exam, registration and results
            "actAnswer1Examenation", "actAnswer2Examenation", "actAnswer3Examenation", "actPostExamenation",
            "actOutExamenation", "actExamenationOut", "actFIO", "actFIOPost", "actExamenationBegin",
            "actResultView", "actDetail", "actExitResult", "actCloseDetail",
            // self-training
            "actFirst1Samopodgotovka", "actPrior1Samopodgotovka", "acttNext1Samopodgotovka",
            "actLast1Samopodgotovka", "actAnswer1Samopodgotovka", "actAnswer2Samopodgotovka",
            "actAnswer3Samopodgotovka", "actFromRazdelSamopodgotovka", "actFormat", "actOutSamopodgotovka",
            // viewer
            "actFirstView", "actPriorView", "acttNextView", "actLastView", "actFromRazdelView", "actOutView",
            // editor
            "actOutEditor", "actOutRazdel_Editor", "actNextEdtor", "actPrevEditor", "actFirstEditor",
            "actLast", "DataSetAppendEditor", "DataSetDeleteEditor", "DataSetEdit_Editor",
            "DataSetPostEditor", "DataSetCancelEditor", "DataSetRefreshEditor", "actImage_Editor",
            "actViewHide_Image",
            // the tip marker beside the question number
            "tipMarker"};
        for (int i = 1; i <= 9; ++i)
            n.append(QStringLiteral("actRazdel%1").arg(i));
        return n;
    }();
    return names;
}

// Fraction of pixels an image paints (not transparent).
double coverage(const QImage& image)
{
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return double(painted) / (image.width() * image.height());
}
} // namespace

class TestIcons : public QObject
{
    Q_OBJECT
private slots:
    void resourcesAreLinkedIn();
    void everyCommandHasItsPicture();
    void unknownNameGetsThePlaceholder();
    void backgroundPicture();
};

void TestIcons::resourcesAreLinkedIn()
{
    QVERIFY(QFile(QStringLiteral(":/icons/actClose.svg")).exists());
    QVERIFY(QFile(QStringLiteral(":/background/background.svg")).exists());
    QVERIFY(QFile(QStringLiteral(":/help/topic1.html")).exists());
}

void TestIcons::everyCommandHasItsPicture()
{
    for (const QString& name : commands()) {
        QVERIFY2(Icons::has(name), qPrintable(name));
        QSvgRenderer svg(QStringLiteral(":/icons/") + name + QStringLiteral(".svg"));
        QVERIFY2(svg.isValid(), qPrintable(name));
        QCOMPARE(svg.viewBox(), QRect(0, 0, 24, 24));
        const QImage image = Icons::icon(name).pixmap(24, 24).toImage();
        QCOMPARE(image.size(), QSize(24, 24));
        const double c = coverage(image);
        QVERIFY2(c > 0.15 && c < 0.95, qPrintable(name + " covers " + QString::number(c)));
    }
    // Commands that do the same share one picture.
    QFile a(QStringLiteral(":/icons/actOutView.svg")), b(QStringLiteral(":/icons/actClose.svg"));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
}

void TestIcons::unknownNameGetsThePlaceholder()
{
    QVERIFY(!Icons::has(QStringLiteral("actNoSuchCommand")));
    QVERIFY(!Icons::has(QString()));
    const QIcon placeholder = Icons::icon(QStringLiteral("actNoSuchCommand"));
    QVERIFY(!placeholder.isNull());
    QVERIFY(coverage(placeholder.pixmap(24, 24).toImage()) > 0.3);
}

void TestIcons::backgroundPicture()
{
    QSvgRenderer svg(QStringLiteral(":/background/background.svg"));
    QVERIFY(svg.isValid());
    QCOMPARE(svg.defaultSize(), QSize(1200, 614));
    QImage image(svg.defaultSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    svg.render(&p);
    p.end();
    QCOMPARE(coverage(image), 1.0);                                    // fills the whole area
    QVERIFY(qBlue(image.pixel(600, 20)) > qRed(image.pixel(600, 20))); // sky above
}

#include "test_icons.moc"
int runIconTests(int argc, char** argv)
{
    TestIcons t;
    return QTest::qExec(&t, argc, argv);
}
