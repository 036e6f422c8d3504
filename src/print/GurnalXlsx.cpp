// The print window's item that writes the journal as a spreadsheet.
#include "data/TfrmADODataModule.h"
#include "core/Error.h"
#include "print/JournalSheet.h"
#include "print/TfrmGurnal.h"
#include "ui/Messages.h"

#include <QDir>
#include <QFileInfo>

void TfrmGurnal::GurnalXlsxClick()
{
    TfrmADODataModule* module = TfrmADODataModule::instance();
    const QString chosen = FileDialogs::saveFileName(
        this, QStringLiteral("Журнал проверки знаний в таблицу XLSX"),
        QDir(TfrmADODataModule::dataFolder()).filePath(JournalSheet::FileName),
        QStringLiteral("Таблицы XLSX (*.xlsx)"));
    if (chosen.isEmpty())
        return;
    const QString path = QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".xlsx") : chosen;
    runJob([&] {
        if (!module)
            throw zorvek::Error(QStringLiteral("Нет соединения с основной базой данных."));
        JournalSheet::write(module->ADOConnectionGlb, path);
        return qMakePair(path, QString());
    });
}
