#pragma once
// Filling one section of a category's question bank from a question file.
class QWidget;
class TfrmADODataModule;
class TfrmOpenBD;

namespace LoadText {

// The whole import once the access password has been confirmed: the section is asked in the
// chooser, then the file; messages and progress are shown over `window`. Nothing changes on
// cancel or on any failure.
void run(QWidget* window, TfrmOpenBD& chooser, TfrmADODataModule& dataModule);

} // namespace LoadText
