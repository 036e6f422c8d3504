#include "app/TPasswordDlg.h"

#include "core/Global.h"
#include "ui/Messages.h"
#include "ui/WorkArea.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

const QString TPasswordDlg::StaffPassword = QStringLiteral("47750261938814");

namespace {
constexpr int DialogWidth = 491;

bool isAltF4(const QKeyEvent* event)
{
    return event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier);
}
} // namespace

TPasswordDlg::TPasswordDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TPasswordDlg"));
    setWindowTitle(QStringLiteral("Окно ввода пароля"));
    // No close button: the window system's close (Alt+F4) is refused; OK, Cancel and Esc end it.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    Label1 = new QLabel(QStringLiteral("Введите пароль:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Password = new QLineEdit(this);
    Password->setObjectName(QStringLiteral("Password"));
    Password->setEchoMode(QLineEdit::Password);
    Password->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // '*'
    Label1->setBuddy(Password);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    // The notice wraps at the dialog's width; the dialog takes the height the notice needs.
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setText(QStringLiteral("1. Вход в режим работы, предназначенный для персонала, эксплуатирующего "
                                   "классификатор.\n"
                                   "2. Пароль находится в файле Info.txt, который размещается в корневом каталоге "
                                   "дистрибутива на диске, поставляемом в соответствующее подразделение."));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setVerticalSpacing(8);
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(Password, 1, 0);
    layout->addWidget(OKBtn, 1, 1);
    layout->addWidget(CancelBtn, 2, 1);
    layout->addWidget(Label2, 3, 0, 1, 2);
    layout->setColumnStretch(0, 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = PopupMenu1->addAction(QStringLiteral("Стереть пароль в окне ввода"));
    N1->setObjectName(QStringLiteral("N1"));
    connect(N1, &QAction::triggered, this, &TPasswordDlg::N1Click);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(mapToGlobal(pos)); });

    fitToNotice();

    connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TPasswordDlg::CancelBtnClick);
    // Alt+F4 is swallowed whichever control has the focus.
    Password->installEventFilter(this);
    OKBtn->installEventFilter(this);
    CancelBtn->installEventFilter(this);
}

void TPasswordDlg::clearPassword()
{
    // setText() after clear() drops the undo history, so an erased password cannot come back
    // with Ctrl+Z.
    Password->clear();
    Password->setText(QString());
}

void TPasswordDlg::OKBtnClick()
{
    Global::ParolVveden = 0;
    if (Password->text() == StaffPassword)
        Global::ParolVveden = 1;
    else
        Messages::warning(this, QStringLiteral("Не верный пароль"));
    accept();
}

void TPasswordDlg::CancelBtnClick()
{
    Global::ParolVveden = 0;
    reject();
}

void TPasswordDlg::N1Click()
{
    clearPassword();
}

void TPasswordDlg::showEvent(QShowEvent* event)
{
    // The result belongs to this showing only.
    Global::ParolVveden = 0;
    clearPassword();
    fitToNotice();
    Password->setFocus();
    QDialog::showEvent(event);
}

void TPasswordDlg::fitToNotice()
{
    ensurePolished();
    const int height = layout()->totalHeightForWidth(DialogWidth);
    WorkArea::setFixedSizeWithin(this,
                                 QSize(DialogWidth, qMax(height, layout()->totalMinimumSize().height())));
}

void TPasswordDlg::closeEvent(QCloseEvent* event)
{
    // Only a close from outside reaches here (done() closes without one): it is swallowed.
    QApplication::beep();
    event->ignore();
}

void TPasswordDlg::done(int result)
{
    if (result != QDialog::Accepted)
        Global::ParolVveden = 0;
    clearPassword();
    QDialog::done(result);
}

void TPasswordDlg::keyPressEvent(QKeyEvent* event)
{
    if (isAltF4(event)) {
        QApplication::beep();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TPasswordDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isAltF4(static_cast<QKeyEvent*>(event))) {
        QApplication::beep();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
