#include "app/TfrmClassificatorZorvek.h"

#include "app/DataGrid.h"
#include "app/Forms.h"
#include "app/TPasswordDlg.h"
#include "core/AppInfo.h"
#include "core/Global.h"
#include "core/InstallPaths.h"
#include "data/TfrmADODataModule.h"
#include "editor/LoadText.h"
#include "exam/ExamSequence.h"
#include "print/TfrmGurnal.h"
#include "select/TfrmOpenBD.h"
#include "ui/Guarded.h"
#include "ui/WorkArea.h"
#include "ui/help/HelpWindow.h"
#include "ui/ribbon/Ribbon.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
constexpr int RibbonHeight = 143;
// Kept where the desktop's work area allows; on a smaller desktop the window takes the work area
// and the grid below the ribbon scrolls within what is left.
constexpr QSize DesignedSize(1200, 757);

// The first picture of the bundled background folder.
QPixmap loadBackground()
{
    const QDir dir(QStringLiteral(":/background"));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        QPixmap pixmap(dir.filePath(name));
        if (!pixmap.isNull())
            return pixmap;
    }
    return {};
}
} // namespace

TfrmClassificatorZorvek::TfrmClassificatorZorvek(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TfrmClassificatorZorvek"));
    setWindowTitle(AppInfo::Title);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    WorkArea::setFixedSizeWithin(this, DesignedSize);
    setProperty("helpTopic", 1);

    createActions();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Ribbon1 = new Ribbon(central);
    Ribbon1->setObjectName(QStringLiteral("Ribbon1"));
    Ribbon1->setFixedHeight(RibbonHeight);
    layout->addWidget(Ribbon1);

    // The picture and the grid share the area below the ribbon; one of them is visible.
    auto* area = new QWidget(central);
    auto* stack = new QGridLayout(area);
    stack->setContentsMargins(0, 0, 0, 0);
    Image1 = new QLabel(area);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    DBGrid = new DataGrid(area);
    DBGrid->setObjectName(QStringLiteral("DBGrid"));
    QFont gridFont(QStringLiteral("Times New Roman"));
    gridFont.setPixelSize(16);
    gridFont.setBold(true);
    DBGrid->setFont(gridFont);
    QFont titleFont(QStringLiteral("Tahoma"));
    titleFont.setPixelSize(13);
    titleFont.setBold(true);
    DBGrid->horizontalHeader()->setFont(titleFont);
    DBGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid->setAlternatingRowColors(true);
    DBGrid->hide();
    stack->addWidget(Image1, 0, 0);
    stack->addWidget(DBGrid, 0, 0);
    layout->addWidget(area, 1);
    setCentralWidget(central);

    m_background = new QPixmap(loadBackground());
    m_categoryList = new PickListDelegate(this);
    m_systemList = new PickListDelegate(this);
    m_groupList = new PickListDelegate(this);

    buildRibbon();
    connectHandlers();
    updateEditingCommands();

    // F1 anywhere in the program opens the help topic of the active window.
    qApp->installEventFilter(this);
}

TfrmClassificatorZorvek::~TfrmClassificatorZorvek()
{
    qApp->removeEventFilter(this);
    delete m_background;
}

QAction* TfrmClassificatorZorvek::action(const QString& name) const
{
    return m_actions.value(name);
}

void TfrmClassificatorZorvek::FormCreate()
{
    QFont hintFont(QStringLiteral("Times New Roman"), 12);
    hintFont.setBold(true);
    ScreenTips::installHintSettings(hintFont);
    Global::PathExe = InstallPaths::programFolder();
    setProperty("helpFile", QString(Global::PathExe + QStringLiteral("Классификатор ЗОРВЕК.chm")));
    // The main database and its folder: PathBD and StrConnect are set by the opening.
    guarded(this, [] { Forms::frmADODataModule->openMainDatabase(TfrmADODataModule::dataFolder()); });
}

void TfrmClassificatorZorvek::FormClose()
{
    HelpWindow::closeIfOpen();
}

void TfrmClassificatorZorvek::closeEvent(QCloseEvent* event)
{
    if (!settlePendingChanges()) {
        event->ignore();
        return;
    }
    FormClose();
    QMainWindow::closeEvent(event);
}

void TfrmClassificatorZorvek::actCloseExecute()
{
    close();
}

void TfrmClassificatorZorvek::showEvent(QShowEvent* event)
{
    // The work area is that of the screen the window opens on, its frame as the window system
    // draws it.
    if (!event->spontaneous())
        WorkArea::setFixedSizeWithin(this, DesignedSize);
    QMainWindow::showEvent(event);
}

void TfrmClassificatorZorvek::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    updateBackground();
}

void TfrmClassificatorZorvek::updateBackground()
{
    const QSize area = Image1->size();
    if (m_background->isNull() || area.isEmpty())
        return;
    // Cover the whole area, keeping the picture's proportions, cut evenly at the edges.
    const QPixmap scaled = m_background->scaled(area, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    const QRect cut(QPoint((scaled.width() - area.width()) / 2, (scaled.height() - area.height()) / 2), area);
    Image1->setPixmap(scaled.copy(cut));
}

bool TfrmClassificatorZorvek::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1
        && static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        QWidget* active = QApplication::activeModalWidget();
        if (!active)
            active = QApplication::activeWindow();
        if (!active && watched->isWidgetType())
            active = static_cast<QWidget*>(watched)->window();
        const int topic = active ? active->window()->property("helpTopic").toInt() : 0;
        if (topic > 0) {
            HelpWindow::showTopic(topic);
            return true;
        }
    }
    if (watched == Image1 && event->type() == QEvent::Resize)
        updateBackground();
    return QMainWindow::eventFilter(watched, event);
}

void TfrmClassificatorZorvek::Ribbon1TabChange(int newIndex, int oldIndex)
{
    if (oldIndex == 2 && (newIndex == 0 || newIndex == 1)) {
        if (DBGrid->isVisible() && !settlePendingChanges()) {
            Ribbon1->setCurrentTab(oldIndex);   // the user stays at the table
            return;
        }
        DBGrid->hide();
        Image1->show();
    }
}

// ---- modes ----

bool TfrmClassificatorZorvek::passwordConfirmed()
{
    Global::ParolVveden = 0;
    Forms::PasswordDlg->exec();
    return Global::ParolVveden == 1;
}

void TfrmClassificatorZorvek::startMode(quint8 regim)
{
    Global::RegimRaboty = regim;
    TfrmOpenBD* chooser = Forms::frmOpenBD;
    chooser->Label2->hide();
    chooser->Label3->hide();
    chooser->Label5->hide();
    chooser->exec();
}

void TfrmClassificatorZorvek::actViewExeExecute()
{
    startMode(Global::RegimView);
}

void TfrmClassificatorZorvek::actSelf_trainingExeExecute()
{
    startMode(Global::RegimSelfTraining);
}

void TfrmClassificatorZorvek::actEditorExeExecute()
{
    if (!passwordConfirmed())
        return;
    startMode(Global::RegimEditor);
}

void TfrmClassificatorZorvek::actExamenationExeExecute()
{
    if (!Forms::frmADODataModule || !Forms::frmResult || !Forms::frmBGD_Examenation)
        return;
    ExamSequence::run(this, *Forms::frmADODataModule, *Forms::frmResult, *Forms::frmBGD_Examenation);
}

void TfrmClassificatorZorvek::actLoadTextExecute()
{
    if (!passwordConfirmed())
        return;
    LoadText::run(this, *Forms::frmOpenBD, *Forms::frmADODataModule);
}

// ---- help ----

void TfrmClassificatorZorvek::actViewExecute()
{
    HelpWindow::showTopic(HelpWindow::ViewMode);
}

void TfrmClassificatorZorvek::actExamenationExecute()
{
    HelpWindow::showTopic(HelpWindow::ExamMode);
}

void TfrmClassificatorZorvek::actSelf_trainingExecute()
{
    HelpWindow::showTopic(HelpWindow::SelfTrainingMode);
}

void TfrmClassificatorZorvek::actEditorExecute()
{
    HelpWindow::showTopic(HelpWindow::EditingMode);
}

void TfrmClassificatorZorvek::actPersonal_EditorExecute()
{
    HelpWindow::showTopic(HelpWindow::PersonnelTable);
}

// ---- printing: the items of the hidden print window ----

void TfrmClassificatorZorvek::printItem(const QString& itemName)
{
    if (!Forms::frmGurnal)
        return;
    if (auto* item = Forms::frmGurnal->findChild<QAction*>(itemName))
        item->trigger();
}
