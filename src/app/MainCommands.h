#pragma once
// The texts of the main window's commands: caption, hint and screen tip of each QAction.
#include <QList>
#include <QString>
#include <QStringList>

namespace MainCommands {

struct Text {
    QString name;        // the action's object name
    QString caption;
    QString hint;        // tool tip / status tip; empty when the command has none
    QString tipHeader;   // screen tip header; empty = the caption
    QStringList tipLines; // screen tip description; empty when the command has no screen tip
};

// Every command of the main window in the order the texts are listed.
const QList<Text>& all();

} // namespace MainCommands
