#include "app/TfrmStart.h"

#include "app/DataFolderStart.h"
#include "core/AppInfo.h"
#include "core/Error.h"
#include "data/Db.h"
#include "data/demo/DemoData.h"
#include "data/unit/UnitDatabase.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QCommandLinkButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

QString shown(const QString& folder)
{
    return QDir::toNativeSeparators(QDir(folder).absolutePath());
}

QCommandLinkButton* choice(QWidget* parent, const char* name, const QString& title, const QString& description)
{
    auto* button = new QCommandLinkButton(title, description, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

TfrmStart::TfrmStart(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmStart"));
    setWindowTitle(AppInfo::Title + QStringLiteral(" — папка данных"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(8);
    auto* heading = new QLabel(QStringLiteral("Где хранятся данные подразделения?"), this);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    layout->addWidget(heading);
    auto* intro = new QLabel(QStringLiteral("В папке «%1», из которой запущена программа, нет основной базы данных %2. "
                                            "Выберите папку данных или создайте новую.")
                                 .arg(shown(QDir::currentPath()), AppInfo::MainDatabaseFile),
                             this);
    intro->setObjectName(QStringLiteral("Intro"));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    Notice = new QLabel(this);
    Notice->setObjectName(QStringLiteral("Notice"));
    Notice->setWordWrap(true);
    Notice->setFrameShape(QFrame::StyledPanel);
    Notice->setMargin(6);
    Notice->hide();
    layout->addWidget(Notice);

    btnOpenFolder = choice(this, "btnOpenFolder", QStringLiteral("Открыть папку данных…"),
                           QStringLiteral("Папка, в которой уже есть BGD.mdb и банки вопросов. Программа запомнит "
                                          "её и при следующем запуске откроет сразу."));
    btnNewDatabase = choice(this, "btnNewDatabase", QStringLiteral("Создать базу данных подразделения…"),
                            QStringLiteral("В пустой папке: девять категорий с критериями оценки, пустые таблицы "
                                           "персонала и журнала, пустые разделы банков вопросов."));
    btnDemoFolder = choice(this, "btnDemoFolder", QStringLiteral("Создать демонстрационную папку…"),
                           QStringLiteral("В пустой папке: пример данных с работниками, вопросами и журналом, "
                                          "чтобы познакомиться с программой."));
    btnSharedServer = choice(this, "btnSharedServer", QStringLiteral("Подключиться к общему серверу…"), QString());
    btnSharedServer->hide();
    for (QCommandLinkButton* b : {btnOpenFolder, btnNewDatabase, btnDemoFolder, btnSharedServer})
        layout->addWidget(b);
    layout->addStretch(1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* leave = buttons->addButton(QStringLiteral("Выход"), QDialogButtonBox::RejectRole);
    leave->setObjectName(QStringLiteral("btnExit"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(btnOpenFolder, &QAbstractButton::clicked, this, &TfrmStart::btnOpenFolderClick);
    connect(btnNewDatabase, &QAbstractButton::clicked, this, &TfrmStart::btnNewDatabaseClick);
    connect(btnDemoFolder, &QAbstractButton::clicked, this, &TfrmStart::btnDemoFolderClick);

    btnOpenFolder->setDefault(true);
    btnOpenFolder->setFocus();
    resize(640, sizeHint().height());
}

void TfrmStart::setNotice(const QString& text)
{
    Notice->setText(text);
    Notice->setVisible(!text.isEmpty());
}

QString TfrmStart::askFolder(const QString& caption)
{
    const QString home = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return FileDialogs::existingDirectory(this, caption, home.isEmpty() ? QDir::homePath() : home);
}

void TfrmStart::choose(const QString& folder)
{
    m_folder = QDir(folder).absolutePath();
    accept();
}

void TfrmStart::btnOpenFolderClick()
{
    const QString folder = askFolder(QStringLiteral("Папка данных с файлом BGD.mdb"));
    if (folder.isEmpty())
        return;
    const QString problem = Db::checkDatabaseFile(QDir(folder).filePath(AppInfo::MainDatabaseFile));
    if (!problem.isEmpty()) {
        Messages::warning(this, problem + QStringLiteral("\nВыберите папку, в которой есть основная база данных, "
                                                         "или создайте новую базу данных подразделения."));
        return;
    }
    choose(folder);
}

bool TfrmStart::createIn(const QString& folder, const std::function<void(const QString&)>& build)
{
    const QString refused = UnitDatabase::refusal(folder);
    if (!refused.isEmpty()) {
        Messages::warning(this, refused + QStringLiteral("\nСоздайте в окне выбора новую папку и выберите её."));
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        build(folder);
    } catch (const zorvek::Error& e) {
        QApplication::restoreOverrideCursor();
        Messages::error(this, e.message());
        return false;
    }
    QApplication::restoreOverrideCursor();
    return true;
}

void TfrmStart::btnNewDatabaseClick()
{
    const QString folder = askFolder(QStringLiteral("Пустая папка для базы данных подразделения"));
    if (folder.isEmpty() || !createIn(folder, [](const QString& f) { UnitDatabase::create(f); }))
        return;
    Messages::information(this, QStringLiteral("База данных подразделения создана в папке «%1».\n"
                                               "Заполните таблицу «Персонал» (её можно загрузить из файла CSV или "
                                               "XLSX) и разделы банков вопросов до первого экзамена.")
                                    .arg(shown(folder)));
    choose(folder);
}

void TfrmStart::btnDemoFolderClick()
{
    const QString folder = askFolder(QStringLiteral("Пустая папка для демонстрационных данных"));
    if (folder.isEmpty() || !createIn(folder, [](const QString& f) { DemoData::create(f); }))
        return;
    choose(folder);
}
