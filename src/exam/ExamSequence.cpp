// One exam: registration, preparation, the exam and the results, each a
// modal window; ExamCancelled ends the sequence at whichever step abandons the exam.
#include "exam/ExamSequence.h"

#include "core/Global.h"
#include "data/TfrmADODataModule.h"
#include "exam/ExamModal.h"
#include "exam/TfrmBGD_Examenation.h"
#include "exam/TfrmResult.h"
#include "exam/flow/ExamFlow.h"
#include "ui/Guarded.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

namespace ExamSequence {

void run(QWidget* parent, TfrmADODataModule& dataModule, TfrmResult& result, TfrmBGD_Examenation& exam)
{
    ExamFlow flow(dataModule);
    result.setFlow(&flow);
    exam.setFlow(&flow);
    struct Detach {
        TfrmResult& r;
        TfrmBGD_Examenation& e;
        ~Detach()
        {
            r.setFlow(nullptr);
            e.setFlow(nullptr);
        }
    } detach{result, exam};

    // Steps 1 to 3: exam mode, a lost result saved, Журнал emptied and today's row appended.
    QString recovered;
    if (!guarded(parent, [&] { recovered = flow.start(); }))
        return;
    if (!recovered.isEmpty())
        Messages::information(parent, recovered);

    // Steps 4 and 5.
    for (QComboBox* flag : {exam.DBComboBox_Otvet1, exam.DBComboBox_Otvet2, exam.DBComboBox_Otvet3})
        flag->hide();
    exam.Label6->hide();
    result.setRegistrationStage();

    // Steps 6 and 7: registration.
    ExamModal::run(&result);
    if (Global::ExamCancelled)
        return;

    // Step 8: preparation and the exam.
    Global::KolOtvetov = 0;
    if (!guarded(parent, [&] { exam.ExamenationExe(); })) {
        Global::ExamCancelled = 1;
        guarded(parent, [&] { flow.abandon(); });
        return;
    }
    ExamModal::run(&exam);
    if (Global::ExamCancelled) {
        // Left before the last answer: there is nothing for the next start to take up.
        guarded(parent, [&] { flow.abandon(); });
        return;
    }

    // Steps 10 and 11: the results.
    result.setResultsStage();
    ExamModal::run(&result);
    Global::ExamCancelled = 1;
}

} // namespace ExamSequence
