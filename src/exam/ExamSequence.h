#pragma once
// The exam sequence: registration, preparation, the exam, the results.
class QWidget;
class TfrmADODataModule;
class TfrmResult;
class TfrmBGD_Examenation;

namespace ExamSequence {

// Runs one whole exam on these windows; returns when the last window of the sequence has closed.
// Every failure is shown to the user; the sequence ends at the failing step.
void run(QWidget* parent, TfrmADODataModule& dataModule, TfrmResult& result, TfrmBGD_Examenation& exam);

} // namespace ExamSequence
