// The editor's picture commands: set the question's picture from a file, show or hide it.
#include "core/Error.h"
#include "editor/PictureFile.h"
#include "editor/TfrmBGD_Editor.h"
#include "ui/Messages.h"
#include "ui/question/PhotoBox.h"
#include "ui/question/QuestionPage.h"

#include <QDir>

void TfrmBGD_Editor::actImage_EditorExecute()
{
    if (!m_open || DBCtrlGrid1->rowCount() == 0)
        return;
    const bool wasPending = hasPendingChange();
    if (m_state == State::Browse)
        m_state = State::Edit;
    updateCommands();
    const QString fileName = FileDialogs::openFileName(
        this, QStringLiteral("Вставить иллюстрацию"), QString(),
        QStringLiteral(
            "Файлы рисунков *.bmp (*.bmp *.BMP *.Bmp);;Файлы рисунков *.jpg  (*.jpg *.JPG *.Jpg)"));
    if (!fileName.isEmpty()) {
        if (PictureFile::isPictureFileName(fileName)) {
            try {
                DBCtrlGrid1->setFieldValue(QStringLiteral("Фото"), PictureFile::loadAsBitmap(fileName));
            } catch (const zorvek::Error& e) {
                // The stored question stays as it was; only a change made before stays pending.
                if (!wasPending)
                    m_state = State::Browse;
                updateCommands();
                Messages::error(this, e.message());
                return;
            }
        } else {
            Messages::information(
                this, QStringLiteral("Иллюстрацией вопроса может быть только рисунок *.bmp или *.jpg; "
                                     "файл «%1» не загружен.")
                          .arg(QDir::toNativeSeparators(fileName)));
        }
    }
    savePending();
}

void TfrmBGD_Editor::actViewHide_ImageExecute()
{
    if (DBImage_Photo->isHidden()) {
        placePicture();
        DBImage_Photo->show();
        DBImage_Photo->raise();
    } else {
        DBImage_Photo->hide();
    }
}
