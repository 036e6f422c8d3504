#include "ui/question/SectionLabel.h"

#include <QPainter>

void SectionLabel::setTextEdge(const QColor& colour)
{
    m_edge = colour;
    update();
}

void SectionLabel::paintEvent(QPaintEvent* event)
{
    if (!m_edge.isValid()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.setFont(font());
    painter.setPen(m_edge);
    for (const QPoint shift : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1), QPoint(1, 1)})
        painter.drawText(room.translated(shift), flags, text());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(room, flags, text());
}
