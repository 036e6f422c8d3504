// The project's icon set, compiled into the program as resources under ":/icons/".
#include "ui/ribbon/Ribbon.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

namespace {
QString path(const QString& name)
{
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

// A plain grey rounded square, so that a command without a picture still has a button face.
QIcon placeholder()
{
    static const QIcon icon = [] {
        QPixmap pixmap(24, 24);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x6b, 0x76, 0x84), 1.5));
        p.setBrush(QColor(0xd9, 0xde, 0xe4));
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 3, 3);
        return QIcon(pixmap);
    }();
    return icon;
}
} // namespace

namespace Icons {

bool has(const QString& name)
{
    return !name.isEmpty() && QFile::exists(path(name));
}

QIcon icon(const QString& name)
{
    return has(name) ? QIcon(path(name)) : placeholder();
}

} // namespace Icons
