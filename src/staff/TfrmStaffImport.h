#pragma once
// The preview of a staff list before it goes into Персонал: how the file's columns were matched,
// one line per worker with what will be done (added, updated, refused and why), and the counts.
// "Загрузить" stores the list in one transaction; it is offered only when no row is refused.
#include "staff/StaffImport.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class TfrmADODataModule;

class TfrmStaffImport : public QDialog
{
    Q_OBJECT
public:
    TfrmStaffImport(TfrmADODataModule& dataModule, StaffImport::Prepared prepared, QWidget* parent = nullptr);

    // Stores the list; on success the dialog closes accepted and result() tells the counts. A
    // failure is shown and nothing is stored.
    void btnLoadClick();
    const StaffImport::Result& stored() const { return m_result; }

    QLabel* Columns = nullptr;
    QLabel* Summary = nullptr;
    QTableWidget* Rows = nullptr;
    QPushButton* btnLoad = nullptr;
    QPushButton* btnCancel = nullptr;

private:
    void fillRows();

    TfrmADODataModule& m_dm;
    StaffImport::Prepared m_prepared;
    StaffImport::Result m_result;
};
