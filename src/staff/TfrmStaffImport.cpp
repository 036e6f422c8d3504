#include "staff/TfrmStaffImport.h"

#include "ui/Guarded.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString actionText(StaffRules::Action action)
{
    switch (action) {
    case StaffRules::Action::Add:
        return QStringLiteral("добавить");
    case StaffRules::Action::Update:
        return QStringLiteral("обновить");
    case StaffRules::Action::Refused:
        break;
    }
    return QStringLiteral("✖ отклонена");
}

} // namespace

TfrmStaffImport::TfrmStaffImport(TfrmADODataModule& dataModule, StaffImport::Prepared prepared, QWidget* parent)
    : QDialog(parent), m_dm(dataModule), m_prepared(std::move(prepared))
{
    setObjectName(QStringLiteral("TfrmStaffImport"));
    setWindowTitle(QStringLiteral("Загрузка списка персонала — ") + QFileInfo(m_prepared.path).fileName());
    const StaffRules::Plan& plan = m_prepared.plan;

    auto* layout = new QVBoxLayout(this);
    auto* file = new QLabel(QStringLiteral("Файл: «%1» (%2)")
                                .arg(QDir::toNativeSeparators(QFileInfo(m_prepared.path).absoluteFilePath()),
                                     m_prepared.contents.description),
                            this);
    file->setWordWrap(true);
    layout->addWidget(file);

    QStringList matched;
    for (auto it = plan.matched.cbegin(); it != plan.matched.cend(); ++it)
        matched << QStringLiteral("«%1» → %2").arg(it.value(), it.key());
    QString columns = plan.headerRow
                          ? QStringLiteral("Заголовок в строке %1. Столбцы: %2.").arg(plan.headerRow).arg(matched.join(QStringLiteral(", ")))
                          : QString();
    if (!plan.ignoredHeaders.isEmpty())
        columns += QStringLiteral(" Пропущены (нет в таблице «Персонал»): «%1».")
                       .arg(plan.ignoredHeaders.join(QStringLiteral("», «")));
    for (const QString& p : plan.fileProblems)
        columns += (columns.isEmpty() ? QString() : QStringLiteral("\n")) + QStringLiteral("✖ ") + p;
    Columns = new QLabel(columns, this);
    Columns->setObjectName(QStringLiteral("Columns"));
    Columns->setWordWrap(true);
    layout->addWidget(Columns);

    Rows = new QTableWidget(this);
    Rows->setObjectName(QStringLiteral("Rows"));
    layout->addWidget(Rows, 1);
    fillRows();

    const int refused = plan.count(StaffRules::Action::Refused);
    QString summary = QStringLiteral("Будет добавлено работников: %1, обновлено: %2.")
                          .arg(plan.count(StaffRules::Action::Add))
                          .arg(plan.count(StaffRules::Action::Update));
    if (!plan.acceptable())
        summary = QStringLiteral("Отклонено строк: %1. Список не может быть загружен: исправьте файл и загрузите его "
                                 "снова. Ничего не будет записано.")
                      .arg(refused);
    else
        summary += QStringLiteral(" Пустые ячейки не меняют сохранённых данных.");
    Summary = new QLabel(summary, this);
    Summary->setObjectName(QStringLiteral("Summary"));
    Summary->setWordWrap(true);
    QFont bold = Summary->font();
    bold.setBold(true);
    Summary->setFont(bold);
    layout->addWidget(Summary);

    auto* buttons = new QDialogButtonBox(this);
    btnLoad = buttons->addButton(QStringLiteral("Загрузить"), QDialogButtonBox::AcceptRole);
    btnLoad->setObjectName(QStringLiteral("btnLoad"));
    btnLoad->setEnabled(plan.acceptable());
    btnCancel = buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    layout->addWidget(buttons);
    connect(btnLoad, &QPushButton::clicked, this, &TfrmStaffImport::btnLoadClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    (plan.acceptable() ? btnLoad : btnCancel)->setDefault(true);

    resize(1000, 600);
}

void TfrmStaffImport::fillRows()
{
    const StaffRules::Plan& plan = m_prepared.plan;
    const QStringList headers{QStringLiteral("Строка"), QStringLiteral("Действие"), QStringLiteral("№"),
                              QStringLiteral("Фамилия Имя Отчество"), QStringLiteral("Категория специалиста"),
                              QStringLiteral("Замечания")};
    Rows->setColumnCount(int(headers.size()));
    Rows->setHorizontalHeaderLabels(headers);
    Rows->setRowCount(int(plan.rows.size()));
    Rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    Rows->verticalHeader()->hide();
    // Refused rows first, so the problems are seen without scrolling through two hundred names.
    QList<const StaffRules::Row*> order;
    for (const StaffRules::Row& r : plan.rows) {
        if (r.action == StaffRules::Action::Refused)
            order << &r;
    }
    for (const StaffRules::Row& r : plan.rows) {
        if (r.action != StaffRules::Action::Refused)
            order << &r;
    }
    for (int i = 0; i < order.size(); ++i) {
        const StaffRules::Row& r = *order.at(i);
        const QStringList cells{QString::number(r.number), actionText(r.action),
                                r.code ? QString::number(r.newCode ? r.newCode : r.code) : QString(), r.name,
                                r.values.value(StaffRules::CategoryColumn).toString(),
                                r.problems.join(QStringLiteral("; "))};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells.at(c));
            if (r.action == StaffRules::Action::Refused) {
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            Rows->setItem(i, c, item);
        }
    }
    Rows->resizeColumnsToContents();
    Rows->setColumnWidth(3, std::min(Rows->columnWidth(3), 260));
    Rows->setColumnWidth(4, std::min(Rows->columnWidth(4), 260));
    Rows->horizontalHeader()->setStretchLastSection(true);
}

void TfrmStaffImport::btnLoadClick()
{
    if (!m_prepared.plan.acceptable())
        return;
    if (guarded(this, [this] { m_result = StaffImport::store(m_dm, m_prepared.plan); }))
        accept();
}
