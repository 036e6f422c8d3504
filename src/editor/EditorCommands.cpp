// The editor's navigation and table commands.
#include "app/Forms.h"
#include "core/Global.h"
#include "core/question/AnswerFlag.h"
#include "core/question/EditorRules.h"
#include "data/DbError.h"
#include "data/TfrmADODataModule.h"
#include "editor/TfrmBGD_Editor.h"
#include "select/TfrmOpenBD.h"
#include "ui/Guarded.h"
#include "ui/Messages.h"
#include "ui/question/BoundWidgets.h"
#include "ui/question/PhotoBox.h"
#include "ui/question/QuestionPage.h"

#include <QAction>
#include <QDataWidgetMapper>

namespace {
const QString FieldIndex = QStringLiteral("Индекс");
}

bool TfrmBGD_Editor::hasPendingChange() const
{
    const SqlTableModel* t = table();
    return m_state != State::Browse || (m_open && t && t->isDirty());
}

bool TfrmBGD_Editor::savePending()
{
    if (!m_open || !hasPendingChange())
        return true;
    SqlTableModel* t = table();
    const int row = DBCtrlGrid1->currentRow();
    const QVariant index = DBCtrlGrid1->fieldValue(FieldIndex);
    DBCtrlGrid1->mapper()->submit();
    // An answer is saved only with a flag that the exam and self-training read alike.
    for (int k = 1; k <= 3; ++k) {
        const QString n = QString::number(k);
        const QString problem = AnswerFlag::savingProblem(
            k, DBCtrlGrid1->fieldValue(QStringLiteral("Ответ_") + n).toString(),
            DBCtrlGrid1->fieldValue(QStringLiteral("Верно_Неверно_") + n).toString());
        if (!problem.isEmpty()) {
            Messages::warning(this, QStringLiteral("Вопрос не сохранён.\r") + problem);
            DBCtrlGrid1->flagBox(k)->setFocus();
            return false;
        }
    }
    try {
        Forms::frmADODataModule->submit(t);
    } catch (const zorvek::Error& e) {
        // The change stays pending in the table object: nothing typed is lost.
        Messages::error(this, QStringLiteral("Изменения вопроса не сохранены.\r") + e.message());
        return false;
    }
    m_state = State::Browse;
    showRowOfIndex(index, row);
    afterChange();
    return true;
}

void TfrmBGD_Editor::showRowOfIndex(const QVariant& index, int fallbackRow)
{
    SqlTableModel* t = table();
    const int col = t->fieldIndex(FieldIndex);
    for (int r = 0; r < t->rowCount(); ++r) {
        if (t->data(t->index(r, col), Qt::EditRole) == index) {
            DBCtrlGrid1->showRow(r);
            return;
        }
    }
    DBCtrlGrid1->showRow(fallbackRow);
}

void TfrmBGD_Editor::moveTo(int position)
{
    if (!m_open || position < 1 || position == this->position())
        return;
    if (!savePending())
        return;
    DBCtrlGrid1->showRow(position - 1);
    afterChange();
}

void TfrmBGD_Editor::afterChange()
{
    applyLock();
    updateCommands();
}

void TfrmBGD_Editor::applyLock()
{
    const bool editable = pageEditable() || m_state == State::Insert;
    for (MemoBox* memo : DBCtrlGrid1->textBoxes())
        memo->setReadOnly(!editable);
    for (FlagComboBox* box : {DBComboBox_Otvet1, DBComboBox_Otvet2, DBComboBox_Otvet3})
        box->setEnabled(editable);
    showLock(!editable);
}

void TfrmBGD_Editor::updateCommands()
{
    const bool pending = hasPendingChange();
    const int rows = DBCtrlGrid1->rowCount();
    DataSetAppendEditor->setEnabled(m_open);
    DataSetRefreshEditor->setEnabled(m_open);
    DataSetDeleteEditor->setEnabled(m_open && rows > 0);
    DataSetEdit_Editor->setEnabled(m_open && !pending && rows > 0 && pageEditable());
    DataSetPostEditor->setEnabled(m_open && pending);
    DataSetCancelEditor->setEnabled(m_open && pending);
}

void TfrmBGD_Editor::actFirstEditorExecute()
{
    if (!m_open || !savePending())
        return;
    const auto first = EditorRules::firstPosition(Global::KolVoprosovPoRazdelu, DBCtrlGrid1->rowCount());
    if (!first) {
        Messages::information(
            this, QStringLiteral("В разделе нет вопросов, добавленных после %1 зарегистрированных.")
                      .arg(Global::KolVoprosovPoRazdelu));
        return;
    }
    moveTo(*first);
}

void TfrmBGD_Editor::actPrevEditorExecute()
{
    if (!m_open)
        return;
    moveTo(EditorRules::priorPosition(Global::KolVoprosovPoRazdelu, position()));
}

void TfrmBGD_Editor::actNextEdtorExecute()
{
    if (!m_open || !savePending())
        return;
    const auto step = EditorRules::next(Global::KolVoprosovPoRazdelu, position(), DBCtrlGrid1->rowCount());
    if (step.unlock)
        m_locked = false;
    moveTo(step.position);
    afterChange();
}

void TfrmBGD_Editor::actLastExecute()
{
    if (!m_open)
        return;
    moveTo(EditorRules::lastPosition(DBCtrlGrid1->rowCount()));
}

void TfrmBGD_Editor::jumpTo(int row)
{
    // A dropped scroll-bar slider moves question by question through the commands, so their
    // rules hold: never back onto a registered question, and the lock as "Следующая" sets it.
    const int target = row + 1;
    while (position() != target) {
        const int before = position();
        if (target > before)
            actNextEdtorExecute();
        else
            actPrevEditorExecute();
        if (position() == before)
            break;
    }
}

void TfrmBGD_Editor::DataSetAppendEditorExecute()
{
    if (!m_open || !savePending())
        return;
    SqlTableModel* t = table();
    const int col = t->fieldIndex(FieldIndex);
    QList<int> indexes;
    for (int r = 0; r < t->rowCount(); ++r)
        indexes << t->data(t->index(r, col), Qt::EditRole).toInt();
    const int row = t->rowCount();
    if (!t->insertRow(row)) {
        Messages::error(
            this, QStringLiteral("Новый вопрос не может быть добавлен в таблицу «%1».").arg(t->tableName()));
        return;
    }
    m_state = State::Insert;
    DBCtrlGrid1->showRow(row);
    const int number = EditorRules::nextIndex(indexes);
    m_added.insert(number);
    DBCtrlGrid1->setFieldValue(FieldIndex, number);
    // The columns that take no NULL start as empty texts.
    for (const char* field : {"Вопрос", "Ответ_1", "Верно_Неверно_1", "Ответ_2", "Верно_Неверно_2"})
        DBCtrlGrid1->setFieldValue(QString::fromUtf8(field), QString());
    DBCtrlGrid1->showRow(row);
    m_locked = false;
    afterChange();
    DBMemo_Vopros->setFocus();
}

void TfrmBGD_Editor::DataSetDeleteEditorExecute()
{
    if (!m_open || DBCtrlGrid1->rowCount() == 0)
        return;
    const int number = DBCtrlGrid1->fieldValue(FieldIndex).toInt();
    if (m_state == State::Insert) {
        // A new question with nothing in it goes at once; one with typing in it only when confirmed.
        bool typed = false;
        for (MemoBox* memo : DBCtrlGrid1->textBoxes())
            typed = typed || !memo->storedText().trimmed().isEmpty();
        if (typed && !Messages::question(this, QStringLiteral("Новый вопрос №%1 не сохранён. Отказаться от него?").arg(number)))
            return;
        DataSetCancelEditorExecute();
        return;
    }
    const int pos = position();
    const bool registered = EditorRules::isRegistered(Global::KolVoprosovPoRazdelu, pos, addedSinceShown());
    if (!Messages::question(this, EditorRules::deletePrompt(number, registered)))
        return;
    SqlTableModel* t = table();
    t->revertAll(); // edits of the question being deleted go with it
    m_state = State::Browse;
    const int row = pos - 1;
    const bool ok = guarded(this, [&] {
        if (!t->removeRow(row))
            throw DbError(QStringLiteral("Вопрос №%1 не может быть удалён из таблицы «%2».")
                              .arg(number)
                              .arg(t->tableName()));
        Forms::frmADODataModule->submit(t);
    });
    if (!ok)
        t->revertAll();
    DBCtrlGrid1->showRow(row);
    afterChange();
}

void TfrmBGD_Editor::DataSetEdit_EditorExecute()
{
    if (!m_open || hasPendingChange() || DBCtrlGrid1->rowCount() == 0)
        return;
    m_state = State::Edit;
    afterChange();
}

bool TfrmBGD_Editor::DataSetPostEditorExecute()
{
    return savePending();
}

void TfrmBGD_Editor::DataSetCancelEditorExecute()
{
    if (!m_open)
        return;
    const int row = DBCtrlGrid1->currentRow();
    table()->revertAll();
    m_state = State::Browse;
    DBCtrlGrid1->showRow(row);
    afterChange();
}

void TfrmBGD_Editor::DataSetRefreshEditorExecute()
{
    if (!m_open || !savePending())
        return;
    const int row = DBCtrlGrid1->currentRow();
    const QVariant index = DBCtrlGrid1->fieldValue(FieldIndex);
    if (guarded(this, [&] { Forms::frmADODataModule->refresh(table()); }))
        showRowOfIndex(index, row);
    afterChange();
}

void TfrmBGD_Editor::actOutRazdel_EditorExecute()
{
    if (!savePending())
        return;
    done(QDialog::Rejected);
}

void TfrmBGD_Editor::actOutEditorExecute()
{
    if (!savePending())
        return;
    done(QDialog::Rejected);
    if (Forms::frmOpenBD)
        Forms::frmOpenBD->reject();
}

void TfrmBGD_Editor::done(int result)
{
    m_open = false;
    m_state = State::Browse;
    DBCtrlGrid1->unbind();
    QDialog::done(result);
}

void TfrmBGD_Editor::reject()
{
    actOutRazdel_EditorExecute();
}
