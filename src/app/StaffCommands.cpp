// The main window's command that brings the staff list in from a file.
#include "app/DataGrid.h"
#include "app/Forms.h"
#include "app/TfrmClassificatorZorvek.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"
#include "staff/TfrmStaffImport.h"
#include "ui/Guarded.h"
#include "ui/Messages.h"

void TfrmClassificatorZorvek::actStaffImportExecute()
{
    if (!passwordConfirmed() || !settlePendingChanges())
        return;
    const QString path = FileDialogs::openFileName(
        this, QStringLiteral("Список персонала"), TfrmADODataModule::dataFolder(),
        QStringLiteral("Списки персонала (*.csv *.xlsx *.txt);;Все файлы (*)"));
    if (path.isEmpty())
        return;
    TfrmADODataModule* dm = Forms::frmADODataModule;
    StaffImport::Prepared prepared;
    if (!guarded(this, [&] { prepared = StaffImport::prepare(*dm, path); }))
        return;
    TfrmStaffImport preview(*dm, std::move(prepared), this);
    if (preview.exec() != QDialog::Accepted)
        return;
    Messages::information(this, StaffImport::summary(preview.stored()));
    // The table the list went into, as it is now.
    showTable(dm->ADOPersonal, Schema::Personal, QStringLiteral("Код"), true);
    if (shownTable() == dm->ADOPersonal)
        guarded(this, [this] { fillPersonalPickLists(); });
}
