#pragma once
// The program's windows: one long-lived instance of each, created once at start-up in this
// order and reached through these process-wide references.
class TfrmADODataModule;
class TfrmClassificatorZorvek;
class TfrmGurnal;
class TfrmResultAll;
class TfrmOpenBD;
class TfrmBGD_View;
class TfrmBGD_Samopodgotovka;
class TfrmResult;
class TPasswordDlg;
class TfrmBGD_Examenation;
class TfrmBGD_Editor;

namespace Forms {

inline TfrmADODataModule* frmADODataModule = nullptr;
inline TfrmClassificatorZorvek* frmClassificatorZorvek = nullptr;
inline TfrmGurnal* frmGurnal = nullptr;
inline TfrmResultAll* frmResultAll = nullptr;
inline TfrmOpenBD* frmOpenBD = nullptr;
inline TfrmBGD_View* frmBGD_View = nullptr;
inline TfrmBGD_Samopodgotovka* frmBGD_Samopodgotovka = nullptr;
inline TfrmResult* frmResult = nullptr;
inline TPasswordDlg* PasswordDlg = nullptr;
inline TfrmBGD_Examenation* frmBGD_Examenation = nullptr;
inline TfrmBGD_Editor* frmBGD_Editor = nullptr;

// Creates the data module and every window in the start-up order; the main window is created
// first among the windows and owns the others. Returns the main window (not yet shown).
TfrmClassificatorZorvek* createAll();
// Destroys every window and the data module (program end, and between test cases).
void destroyAll();

} // namespace Forms
