#include "ui/question/PhotoBox.h"

#include <QPainter>

PhotoBox::PhotoBox(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DBImage_Photo"));
    setAutoFillBackground(true);
}

void PhotoBox::setPicture(const QByteArray& bytes)
{
    m_bytes = bytes;
    m_image = bytes.isEmpty() ? QImage() : QImage::fromData(bytes);
    update();
}

QRect PhotoBox::pictureRect() const
{
    if (m_image.isNull() || width() <= 0 || height() <= 0)
        return QRect();
    const QSize size = m_image.size().scaled(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void PhotoBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_image.isNull()) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("У вопроса нет иллюстрации"));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureRect(), m_image);
}
