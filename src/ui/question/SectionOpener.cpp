#include "ui/question/SectionOpener.h"

#include "app/Forms.h"
#include "core/Global.h"
#include "data/TfrmADODataModule.h"
#include "ui/Guarded.h"
#include "ui/Messages.h"
#include "ui/WorkArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace SectionOpener {

bool open(QWidget* window)
{
    TfrmADODataModule* dm = Forms::frmADODataModule;
    if (!dm) {
        Messages::error(
            window, QStringLiteral("Модуль данных не создан: база данных вопросов не может быть открыта."));
        return false;
    }
    if (Global::NameRazdela.isEmpty()) {
        Messages::information(window, QStringLiteral("База данных не существует."));
        return false;
    }
    return guarded(window, [&] {
        dm->connectCategoryBank(Global::NameKategorii, TfrmADODataModule::dataFolder());
        dm->openTable(dm->ADOVoprosy_Otvety, Global::NameRazdela, QStringLiteral("Индекс"));
    });
}

void sizeToWorkArea(QWidget* window)
{
    WorkArea::fill(window);
}

} // namespace SectionOpener
