#include "app/TfrmClassificatorZorvek.h"

#include "app/Forms.h"
#include "core/AppInfo.h"
#include "core/Global.h"
#include "data/TfrmADODataModule.h"
#include "ui/Guarded.h"

#include <QCoreApplication>
#include <QDir>

TfrmClassificatorZorvek::TfrmClassificatorZorvek(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TfrmClassificatorZorvek"));
    setWindowTitle(AppInfo::Title);
    setFixedSize(1200, 757);
}

void TfrmClassificatorZorvek::FormCreate()
{
    Global::PathExe = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    guarded(this, [] { Forms::frmADODataModule->openMainDatabase(TfrmADODataModule::dataFolder()); });
}
