#include "app/Forms.h"

#include "app/TPasswordDlg.h"
#include "app/TfrmClassificatorZorvek.h"
#include "data/TfrmADODataModule.h"
#include "editor/TfrmBGD_Editor.h"
#include "exam/TfrmBGD_Examenation.h"
#include "exam/TfrmResult.h"
#include "exam/TfrmResultAll.h"
#include "print/TfrmGurnal.h"
#include "select/TfrmOpenBD.h"
#include "training/TfrmBGD_Samopodgotovka.h"
#include "view/TfrmBGD_View.h"

namespace Forms {

TfrmClassificatorZorvek* createAll()
{
    frmADODataModule = new TfrmADODataModule;
    frmClassificatorZorvek = new TfrmClassificatorZorvek;
    QWidget* owner = frmClassificatorZorvek;
    frmGurnal = new TfrmGurnal(owner);
    frmResultAll = new TfrmResultAll(owner);
    frmOpenBD = new TfrmOpenBD(owner);
    frmBGD_View = new TfrmBGD_View(frmOpenBD);
    frmBGD_Samopodgotovka = new TfrmBGD_Samopodgotovka(frmOpenBD);
    frmResult = new TfrmResult(owner);
    PasswordDlg = new TPasswordDlg(owner);
    frmBGD_Examenation = new TfrmBGD_Examenation(owner);
    frmBGD_Editor = new TfrmBGD_Editor(frmOpenBD);
    return frmClassificatorZorvek;
}

void destroyAll()
{
    // The main window owns every other window.
    delete frmClassificatorZorvek;
    delete frmADODataModule;
    frmADODataModule = nullptr;
    frmClassificatorZorvek = nullptr;
    frmGurnal = nullptr;
    frmResultAll = nullptr;
    frmOpenBD = nullptr;
    frmBGD_View = nullptr;
    frmBGD_Samopodgotovka = nullptr;
    frmResult = nullptr;
    PasswordDlg = nullptr;
    frmBGD_Examenation = nullptr;
    frmBGD_Editor = nullptr;
}

} // namespace Forms
