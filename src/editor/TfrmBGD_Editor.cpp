#include "editor/TfrmBGD_Editor.h"

#include "app/Forms.h"
#include "core/Global.h"
#include "core/InstallPaths.h"
#include "core/question/EditorRules.h"
#include "data/Db.h"
#include "data/TfrmADODataModule.h"
#include "ui/Guarded.h"
#include "ui/question/BoundWidgets.h"
#include "ui/question/PhotoBox.h"
#include "ui/question/QuestionPage.h"
#include "ui/question/SectionOpener.h"
#include "ui/question/SectionStyle.h"
#include "ui/ribbon/Ribbon.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TfrmBGD_Editor::TfrmBGD_Editor(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmBGD_Editor"));
    setWindowTitle(
        QStringLiteral("Классификатор баз данных по безопасности производства работ на контактной сети"));
    m_ribbon = new Ribbon(this);
    m_ribbon->setCaption(windowTitle());
    DBCtrlGrid1 = new QuestionPage(QuestionPage::FlagKind::ComboBoxes, this);
    QuestionPage* page = DBCtrlGrid1;
    takeControls(page);
    DBComboBox_Otvet1 = page->DBComboBox_Otvet1;
    DBComboBox_Otvet2 = page->DBComboBox_Otvet2;
    DBComboBox_Otvet3 = page->DBComboBox_Otvet3;
    DBEdit->hide();

    LabelLock = new QLabel(page->Panel1);
    LabelLock->setObjectName(QStringLiteral("LabelLock"));
    LabelLock->setWordWrap(true);
    LabelLock->hide();
    static_cast<QBoxLayout*>(page->Panel1->layout())->addWidget(LabelLock, 1);

    DBImage_Photo = new PhotoBox(page);
    DBImage_Photo->hide();
    page->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_ribbon);
    layout->addWidget(page, 1);

    connect(page, &QuestionPage::moveRequested, this, [this](QuestionPage::Move move) {
        switch (move) {
        case QuestionPage::Move::First:
            actFirstEditorExecute();
            break;
        case QuestionPage::Move::Prior:
            actPrevEditorExecute();
            break;
        case QuestionPage::Move::Next:
            actNextEdtorExecute();
            break;
        case QuestionPage::Move::Last:
            actLastExecute();
            break;
        }
    });
    connect(page, &QuestionPage::jumpRequested, this, &TfrmBGD_Editor::jumpTo);
    connect(page, &QuestionPage::userEdited, this, [this] {
        if (m_state == State::Browse)
            m_state = State::Edit;
        updateCommands();
    });

    buildActions();
    buildRibbon();
    applyLook();
    applyLock();
    updateCommands();
    FormCreate();
}

void TfrmBGD_Editor::FormCreate()
{
    SectionOpener::sizeToWorkArea(this);
    // Dates are shown and converted as dd.MM.yyyy by the data layer whatever the regional
    // settings. The main database is connected once, by the main window's creation: connecting
    // it again here would only repeat the message about an unusable BGD.mdb.
    Global::PathExe = InstallPaths::programFolder();
}

void TfrmBGD_Editor::buildActions()
{
    struct Def
    {
        QAction** action;
        const char* name;
        QString text;
    };
    const Def defs[] = {
        {&actOutEditor, "actOutEditor", QStringLiteral("Выход из режима редактирования")},
        {&actOutRazdel_Editor, "actOutRazdel_Editor", QStringLiteral("Выход из раздела")},
        {&actNextEdtor, "actNextEdtor", QStringLiteral("Следующая")},
        {&actPrevEditor, "actPrevEditor", QStringLiteral("Предыдущая")},
        {&actFirstEditor, "actFirstEditor", QStringLiteral("Первая")},
        {&actLast, "actLast", QStringLiteral("Последняя")},
        {&DataSetAppendEditor, "DataSetAppendEditor", QStringLiteral("Добавить")},
        {&DataSetDeleteEditor, "DataSetDeleteEditor", QStringLiteral("Удалить")},
        {&DataSetEdit_Editor, "DataSetEdit_Editor", QStringLiteral("Редактирование")},
        {&DataSetPostEditor, "DataSetPostEditor", QStringLiteral("Сохранить изменения")},
        {&DataSetCancelEditor, "DataSetCancelEditor", QStringLiteral("Отменить редактирование")},
        {&DataSetRefreshEditor, "DataSetRefreshEditor",
         QStringLiteral("Восстановить текущую запись из таблицы")},
        {&actImage_Editor, "actImage_Editor", QStringLiteral("Вставить иллюстрацию")},
        {&actViewHide_Image, "actViewHide_Image", QStringLiteral("Показать/Спрятать иллюстрацию")},
    };
    for (const Def& d : defs) {
        const QString name = QString::fromLatin1(d.name);
        auto* a = new QAction(Icons::icon(name), d.text, this);
        a->setObjectName(name);
        addAction(a);
        *d.action = a;
    }
    connect(actOutEditor, &QAction::triggered, this, [this] { actOutEditorExecute(); });
    connect(actOutRazdel_Editor, &QAction::triggered, this, [this] { actOutRazdel_EditorExecute(); });
    connect(actNextEdtor, &QAction::triggered, this, [this] { actNextEdtorExecute(); });
    connect(actPrevEditor, &QAction::triggered, this, [this] { actPrevEditorExecute(); });
    connect(actFirstEditor, &QAction::triggered, this, [this] { actFirstEditorExecute(); });
    connect(actLast, &QAction::triggered, this, [this] { actLastExecute(); });
    connect(DataSetAppendEditor, &QAction::triggered, this, [this] { DataSetAppendEditorExecute(); });
    connect(DataSetDeleteEditor, &QAction::triggered, this, [this] { DataSetDeleteEditorExecute(); });
    connect(DataSetEdit_Editor, &QAction::triggered, this, [this] { DataSetEdit_EditorExecute(); });
    connect(DataSetPostEditor, &QAction::triggered, this, [this] { DataSetPostEditorExecute(); });
    connect(DataSetCancelEditor, &QAction::triggered, this, [this] { DataSetCancelEditorExecute(); });
    connect(DataSetRefreshEditor, &QAction::triggered, this, [this] { DataSetRefreshEditorExecute(); });
    connect(actImage_Editor, &QAction::triggered, this, [this] { actImage_EditorExecute(); });
    connect(actViewHide_Image, &QAction::triggered, this, [this] { actViewHide_ImageExecute(); });

    DataSetAppendEditor->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
    DataSetDeleteEditor->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    DataSetEdit_Editor->setShortcut(QKeySequence(Qt::Key_F2));
    DataSetPostEditor->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    // "Отменить редактирование" has no key: Ctrl+Z belongs to the text boxes (it undoes typing),
    // and nothing may throw a question away at a keystroke.
    actViewHide_Image->setShortcut(QKeySequence(Qt::Key_F4));

    ScreenTips::set(actOutEditor,
                    {QStringLiteral("Выход из режима редактирования"),
                     {QStringLiteral("Выход из режима редактирования на главную страницу классификатора.")},
                     ScreenTips::HelpFooter});
    ScreenTips::set(actOutRazdel_Editor, {QStringLiteral("Выход из раздела"),
                                          {QStringLiteral("Выход из текущего раздела:"),
                                           QStringLiteral("1. Для перехода в другой раздел;"),
                                           QStringLiteral("2. Для выбора другой категории специалиста.")},
                                          ScreenTips::HelpFooter});
}

void TfrmBGD_Editor::buildRibbon()
{
    m_ribbon->setScheme(Ribbon::Scheme::Luna);
    const int tab = m_ribbon->addTab(QStringLiteral("Работа классификатора в режиме редактирования"));
    RibbonGroup* commands = m_ribbon->addGroup(tab, QStringLiteral("Команды управления"));
    commands->addLargeAction(actOutEditor, QStringLiteral("Выход из режима \"Редактирование\""));
    commands->addLargeAction(actOutRazdel_Editor);
    RibbonGroup* nav = m_ribbon->addGroup(tab, QStringLiteral("Команды навигации"));
    nav->setSmallRows(2);
    nav->addSmallAction(actNextEdtor);
    nav->addSmallAction(actPrevEditor);
    nav->addSmallAction(actFirstEditor);
    nav->addSmallAction(actLast);
    RibbonGroup* tables =
        m_ribbon->addGroup(tab, QStringLiteral("Команды для работы с таблицами базы данных классификатора"));
    tables->addLargeAction(DataSetAppendEditor);
    tables->addLargeAction(DataSetDeleteEditor);
    tables->addLargeAction(DataSetEdit_Editor, QStringLiteral("Редактировать"));
    tables->addLargeAction(DataSetPostEditor);
    tables->addLargeAction(DataSetCancelEditor);
    tables->addLargeAction(DataSetRefreshEditor);
    tables->addLargeAction(actImage_Editor);
    tables->addLargeAction(actViewHide_Image);
}

void TfrmBGD_Editor::applyLook()
{
    using namespace SectionStyle;
    QuestionPage* page = DBCtrlGrid1;
    setBackground(page, QColor(153, 180, 209));
    setBackground(page->content(), QColor(153, 180, 209));
    setTextLook(Label1, Qt::black, labelFont(QString(), true, true));
    setNumberBoxLook(DBEdit);
    setSectionLabelLook(Label6, Qt::white, labelFont(QStringLiteral("Times New Roman"), true, false));
    page->setSourceTipsVisible(true);
    setTextLook(LabelLock, QColor(128, 0, 0), labelFont(QString(), true, false, 10));
    for (QLabel* label : {page->Label2, page->Label3, page->Label4})
        setTextLook(label, Qt::black, labelFont(QString(), true, true));
    for (MemoBox* memo : page->textBoxes())
        setMemoLook(memo, Qt::black, Qt::white, memoFont(16));
    QFont flagFont(QStringLiteral("Tahoma"));
    flagFont.setBold(true);
    flagFont.setPointSize(11);
    for (FlagComboBox* box : {DBComboBox_Otvet1, DBComboBox_Otvet2, DBComboBox_Otvet3}) {
        QPalette p = box->palette();
        p.setColor(QPalette::Base, QColor(166, 202, 240));
        p.setColor(QPalette::Button, QColor(166, 202, 240));
        // A locked page still shows its flags legibly.
        p.setColor(QPalette::Disabled, QPalette::Base, QColor(166, 202, 240).lighter(110));
        p.setColor(QPalette::Disabled, QPalette::Text, QColor(40, 40, 40));
        p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(40, 40, 40));
        box->setPalette(p);
        box->setFont(flagFont);
    }
    setBackground(DBImage_Photo, Qt::white);
}

void TfrmBGD_Editor::showLock(bool locked)
{
    // A page that takes no typing looks it: grey boxes, and a note saying why.
    const QColor base = locked ? QColor(228, 228, 228) : QColor(Qt::white);
    for (MemoBox* memo : DBCtrlGrid1->textBoxes())
        SectionStyle::setMemoLook(memo, Qt::black, base, memo->font());
    QString note;
    if (locked && m_open && DBCtrlGrid1->rowCount() > 0)
        note = EditorRules::isRegistered(Global::KolVoprosovPoRazdelu, position())
                   ? QStringLiteral("Зарегистрированный вопрос: текст и флаги ответов не изменяются. "
                                    "Новый вопрос вводится командой «Добавить».")
                   : QStringLiteral("Страница закрыта для изменений: откройте её командой «Следующая» "
                                    "или введите новый вопрос командой «Добавить».");
    LabelLock->setText(note);
    LabelLock->setVisible(!note.isEmpty());
}

SqlTableModel* TfrmBGD_Editor::table() const
{
    return Forms::frmADODataModule ? Forms::frmADODataModule->ADOVoprosy_Otvety : nullptr;
}

bool TfrmBGD_Editor::FormShow()
{
    Global::PokazPodskazki = 1;
    Label1->setText(QStringLiteral("Вопрос №"));
    m_open = false;
    m_state = State::Browse;
    m_added.clear();
    if (!SectionOpener::open(this)) {
        updateCommands();
        return false;
    }
    TfrmADODataModule* dm = Forms::frmADODataModule;
    const bool counted = guarded(this, [&] {
        Global::Stroka = QStringLiteral("Select Количество_вопросов From Количество_вопросов_по_разделам "
                                        "Where Категория_специалиста = ? and Название_раздела = ?");
        Global::KolVoprosovPoRazdelu =
            Db::scalar(dm->ADOConnectionGlb, Global::Stroka, {Global::NameKategorii, Global::NameRazdela}, 0)
                .toInt();
    });
    if (!counted)
        return false;
    SqlTableModel* t = table();
    t->setReadOnly(false);
    m_open = true;
    DBCtrlGrid1->bind(t);
    DBCtrlGrid1->addMapping(DBImage_Photo, QStringLiteral("Фото"), "picture");
    const int opening = EditorRules::openingPosition(Global::KolVoprosovPoRazdelu, DBCtrlGrid1->rowCount());
    DBCtrlGrid1->showRow(opening - 1);
    m_locked = true;
    for (FlagComboBox* box : {DBComboBox_Otvet1, DBComboBox_Otvet2, DBComboBox_Otvet3})
        box->show();
    DBImage_Photo->hide();
    afterChange();
    DBCtrlGrid1->show();
    DBCtrlGrid1->setFocus();
    DBEdit->show();
    return true;
}

int TfrmBGD_Editor::exec()
{
    if (!FormShow())
        return QDialog::Rejected;
    return QDialog::exec();
}

void TfrmBGD_Editor::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placePicture();
    DBCtrlGrid1->setFocus();
}

bool TfrmBGD_Editor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DBCtrlGrid1 && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        placePicture();
    return QDialog::eventFilter(watched, event);
}

void TfrmBGD_Editor::placePicture()
{
    // The picture covers the page from the question box's top-left corner.
    const QPoint topLeft = DBMemo_Vopros->mapTo(DBCtrlGrid1, QPoint(0, 0));
    const QRect area = DBCtrlGrid1->content()->geometry();
    DBImage_Photo->setGeometry(QRect(topLeft, area.bottomRight()));
}

bool TfrmBGD_Editor::pageEditable() const
{
    return EditorRules::editable(!m_locked, Global::KolVoprosovPoRazdelu, position(), addedSinceShown());
}

bool TfrmBGD_Editor::addedSinceShown() const
{
    const QVariant index = DBCtrlGrid1->fieldValue(QStringLiteral("Индекс"));
    return !index.isNull() && m_added.contains(index.toInt());
}

int TfrmBGD_Editor::position() const
{
    return DBCtrlGrid1->currentRow() + 1;
}

bool TfrmBGD_Editor::isPictureShown() const
{
    return !DBImage_Photo->isHidden();
}
