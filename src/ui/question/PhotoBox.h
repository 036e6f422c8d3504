#pragma once
// The editor's picture box: shows the question's picture (Фото, a stored bitmap) scaled to the
// largest size that fits, proportions kept, centred.
#include <QByteArray>
#include <QImage>
#include <QWidget>

class PhotoBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QByteArray picture READ picture WRITE setPicture RESET clearPicture USER true)
public:
    explicit PhotoBox(QWidget* parent = nullptr);

    QByteArray picture() const { return m_bytes; }
    void setPicture(const QByteArray& bytes);
    void clearPicture() { setPicture(QByteArray()); }
    // The decoded picture; null when the question has none or its bytes are no picture.
    const QImage& image() const { return m_image; }
    // Where the picture is drawn inside the box.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QByteArray m_bytes;
    QImage m_image;
};
