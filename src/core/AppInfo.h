#pragma once
#include <QString>

namespace AppInfo {
// Caption of the application and of every message box.
inline const QString Title = QStringLiteral("Классификатор ЗОРВЕК");
// Name of the main database file in the data folder.
inline const QString MainDatabaseFile = QStringLiteral("BGD.mdb");
} // namespace AppInfo
