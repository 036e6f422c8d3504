#include "select/TfrmOpenBD.h"

#include "app/Forms.h"
#include "core/Categories.h"
#include "core/Global.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"
#include "editor/TfrmBGD_Editor.h"
#include "select/ChooserRules.h"
#include "training/TfrmBGD_Samopodgotovka.h"
#include "ui/Guarded.h"
#include "ui/ribbon/Ribbon.h"
#include "view/TfrmBGD_View.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
bool isAltF4(const QKeyEvent* event)
{
    return event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QColor& colour, int pointSize)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Times New Roman"), pointSize);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setWordWrap(true);
    return label;
}

// Shows a mode window on the chosen section, under the caption category + ";  " + section.
template <typename Window>
void openModeWindow(Window* window, int section)
{
    if (!window)
        return;
    if (QLabel* caption = window->Label6) {
        caption->setText(ChooserRules::sectionCaption(Global::NameKategorii, section));
        caption->setVisible(true);
        caption->repaint();
    }
    window->exec();
}
} // namespace

void LookupComboBox::hidePopup()
{
    QComboBox::hidePopup();
    emit closedUp();
}

TfrmOpenBD::TfrmOpenBD(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmOpenBD"));
    setWindowTitle(QStringLiteral("Выбор категории специалиста"));
    // No close button: the window is left with "Выход" or from the mode window.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(897, 550);
    setAutoFillBackground(true);
    QPalette sky = palette();
    sky.setColor(QPalette::Window, QColor(166, 202, 240));
    setPalette(sky);

    createActions();
    buildLayout();
}

void TfrmOpenBD::createActions()
{
    const auto make = [this](const QString& name, const QString& caption, const QString& hint, const QString& tip) {
        auto* a = new QAction(Icons::icon(name), caption, this);
        a->setObjectName(name);
        a->setToolTip(hint);
        a->setStatusTip(hint);
        ScreenTips::set(a, {caption, {tip}, QString()});
        addAction(a);
        return a;
    };
    actExit = make(QStringLiteral("actExit"), QStringLiteral("Выход"),
                   QStringLiteral("Выход из окна выбора категории специалиста"),
                   QStringLiteral("Выход из окна выбора категории специалиста на главную страницу классификатора"));
    actDalee = make(QStringLiteral("actDalee"), QStringLiteral("Далее"),
                    QStringLiteral("Переход к окну выбора номера раздела"),
                    QStringLiteral("Переход к окну выбора номера раздела"));
    connect(actExit, &QAction::triggered, this, &TfrmOpenBD::actExitExecute);
    connect(actDalee, &QAction::triggered, this, &TfrmOpenBD::actDaleeExecute);
    for (int n = 1; n <= Categories::SectionCount; ++n) {
        const QString number = QString::number(n);
        QAction* a = make(QStringLiteral("actRazdel") + number, QStringLiteral("Раздел №") + number,
                          QStringLiteral("Выбор раздела №") + number,
                          QStringLiteral("Вход в раздела №") + number +
                              QStringLiteral(" базы данных вопросов и ответов выбранной категории специалиста"));
        connect(a, &QAction::triggered, this, [this, n] { openSection(n); });
        m_razdel[n - 1] = a;
    }
}

void TfrmOpenBD::buildLayout()
{
    Ribbon1 = new Ribbon(this);
    Ribbon1->setObjectName(QStringLiteral("Ribbon1"));
    Ribbon1->setCaption(QStringLiteral("Задание категории специалиста и выбор раздела"));
    const int tab = Ribbon1->addTab(QStringLiteral("Выбор раздела"));
    RibbonGroup* commands = Ribbon1->addGroup(tab, QStringLiteral("Команды"));
    commands->addLargeAction(actExit);
    commands->addLargeAction(actDalee);
    RibbonGroup* sections = Ribbon1->addGroup(tab, QStringLiteral("Разделы"));
    for (QAction* a : m_razdel)
        sections->addLargeAction(a);

    const QColor blue(0, 0, 255);
    Label4 = makeLabel(this, "Label4", Qt::black, 12);
    Label1 = makeLabel(this, "Label1", Qt::black, 12);
    Label2 = makeLabel(this, "Label2", blue, 12);
    Label2->setText(QStringLiteral("Категория специалиста - "));
    Label2->setWordWrap(false);
    Label3 = makeLabel(this, "Label3", blue, 12);
    Label5 = makeLabel(this, "Label5", blue, 12);
    for (QLabel* l : {Label2, Label3, Label5})
        l->hide();

    DBLookupComboBox = new LookupComboBox(this);
    DBLookupComboBox->setObjectName(QStringLiteral("DBLookupComboBox"));
    QFont comboFont(QStringLiteral("Times New Roman"), 12);
    comboFont.setBold(true);
    DBLookupComboBox->setFont(comboFont);
    DBLookupComboBox->setFixedWidth(826);
    DBLookupComboBox->setMaxVisibleItems(9);
    Label1->setBuddy(DBLookupComboBox);
    connect(DBLookupComboBox, &LookupComboBox::closedUp, this, &TfrmOpenBD::DBLookupComboBoxCloseUp);
    connect(DBLookupComboBox, &QComboBox::activated, this, &TfrmOpenBD::DBLookupComboBoxCloseUp);
    // A long category name may not fit the box: the whole of it in the box's tip.
    connect(DBLookupComboBox, &QComboBox::currentTextChanged, DBLookupComboBox, &QWidget::setToolTip);
    DBLookupComboBox->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->setSpacing(10);
    layout->addWidget(Ribbon1);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(30, 8, 30, 0);
    body->setSpacing(12);
    body->addWidget(Label4);
    body->addWidget(Label1);
    body->addWidget(DBLookupComboBox);
    auto* chosen = new QHBoxLayout;
    chosen->setSpacing(4);
    chosen->addWidget(Label2, 0, Qt::AlignTop);
    chosen->addWidget(Label3, 1, Qt::AlignTop);
    body->addLayout(chosen);
    body->addWidget(Label5);
    body->addStretch(1);
    layout->addLayout(body, 1);
}

int TfrmOpenBD::categoryPosition() const
{
    return DBLookupComboBox->currentIndex() + 1;
}

void TfrmOpenBD::pickCategory(int position)
{
    DBLookupComboBox->setCurrentIndex(position - 1);
    DBLookupComboBoxCloseUp();
}

void TfrmOpenBD::fillCategories()
{
    // The list holds the rows of DataSourceGruppa in Порядковый_номер order, keyed by that number;
    // the category shown before is shown again.
    const QVariant shownKey = DBLookupComboBox->currentData();
    DBLookupComboBox->clear();
    TfrmADODataModule* dm = Forms::frmADODataModule;
    SqlTableModel* gruppa = dm->DataSourceGruppa;
    guarded(this, [&] {
        dm->openTable(gruppa, Schema::Gruppa, QStringLiteral("Порядковый_номер"));
        for (int row = 0; row < gruppa->rowCount(); ++row)
            DBLookupComboBox->addItem(gruppa->value(row, QStringLiteral("Название_группы")).toString(),
                                      gruppa->value(row, QStringLiteral("Порядковый_номер")));
    });
    DBLookupComboBox->setCurrentIndex(shownKey.isValid() ? DBLookupComboBox->findData(shownKey) : -1);
}

void TfrmOpenBD::FormShow()
{
    Global::ExamCancelled = 0;
    fillCategories();
    Global::NameKategorii = DBLookupComboBox->currentText();
    actDalee->setEnabled(false);
    for (QAction* a : m_razdel)
        a->setEnabled(false);
    Label4->setText(m_forImport ? ChooserRules::importLine() : ChooserRules::modeLine(Global::RegimRaboty));
    Label1->setText(QStringLiteral("Выберите категорию специалиста из списка"));
}

void TfrmOpenBD::FormActivate()
{
    DBLookupComboBox->setMaxVisibleItems(9);
    if (!autoDropDown)
        return;
    // After the window has been painted and has taken the focus.
    QTimer::singleShot(0, DBLookupComboBox, [this] {
        if (isVisible() && isActiveWindow() && !DBLookupComboBox->view()->isVisible()) {
            DBLookupComboBox->setFocus();
            DBLookupComboBox->showPopup();
        }
    });
}

void TfrmOpenBD::showChosenCategory()
{
    for (QLabel* l : {Label2, Label3, Label5}) {
        QFont f = l->font();
        f.setBold(true);
        f.setUnderline(true);
        l->setFont(f);
    }
    Label3->setText(QLatin1Char('"') + DBLookupComboBox->currentText() + QLatin1Char('"'));
    Label2->show();
    Label3->show();
}

void TfrmOpenBD::applySectionRule()
{
    const int position = categoryPosition();
    for (int n = 1; n <= Categories::SectionCount; ++n)
        if (!Categories::sectionOffered(position, n))
            m_razdel[n - 1]->setEnabled(false);
}

void TfrmOpenBD::DBLookupComboBoxCloseUp()
{
    // Closing the list without a category leaves "Далее" disabled: there is nothing to go on with.
    if (categoryPosition() < 1 || m_leavingForImport)
        return;
    Global::NameKategorii = DBLookupComboBox->currentText();
    actDalee->setEnabled(true);
    showChosenCategory();
    Label5->setText(ChooserRules::sectionPrompt(m_forImport));
    Label5->show();
    applySectionRule();
}

void TfrmOpenBD::actDaleeExecute()
{
    if (categoryPosition() < 1)
        return;
    for (QAction* a : m_razdel)
        a->setEnabled(true);
    showChosenCategory();
    applySectionRule();
}

int TfrmOpenBD::execForImport()
{
    m_forImport = true;
    const int result = exec();
    m_forImport = false;
    return result;
}

void TfrmOpenBD::openSection(int section)
{
    Global::NameRazdela = Categories::sectionTableName(section);
    if (m_forImport) {
        Label5->setText(ChooserRules::importFollows(section));
        Label5->show();
        Label5->repaint();
        // Hiding the window closes the list once more; that is no pick.
        m_leavingForImport = true;
        accept();
        m_leavingForImport = false;
        return;
    }
    switch (Global::RegimRaboty) {
    case Global::RegimSelfTraining:
        openModeWindow(Forms::frmBGD_Samopodgotovka, section);
        break;
    case Global::RegimEditor:
        openModeWindow(Forms::frmBGD_Editor, section);
        break;
    case Global::RegimView:
        openModeWindow(Forms::frmBGD_View, section);
        break;
    default:
        break; // the section is only recorded (the import reads it)
    }
}

void TfrmOpenBD::actExitExecute()
{
    m_closingByCommand = true;
    close();
    m_closingByCommand = false;
}

bool TfrmOpenBD::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TfrmOpenBD::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        FormShow();
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TfrmOpenBD::closeEvent(QCloseEvent* event)
{
    // A close request from the window system (Alt+F4) is refused: the window has no close button.
    if (!m_closingByCommand) {
        QApplication::beep();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TfrmOpenBD::keyPressEvent(QKeyEvent* event)
{
    if (isAltF4(event)) {
        QApplication::beep();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfrmOpenBD::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isAltF4(static_cast<QKeyEvent*>(event))) {
        QApplication::beep();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
