#include "ui/question/SectionStyle.h"

#include "ui/question/SectionLabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace SectionStyle {

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget* widget, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    widget->setPalette(p);
}

void setMemoTextColor(QPlainTextEdit* memo, const QColor& colour)
{
    QPalette p = memo->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Text, colour);
    memo->setPalette(p);
}

void setMemoLook(QPlainTextEdit* memo, const QColor& text, const QColor& base, const QFont& font)
{
    QPalette p = memo->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Base, base);
    }
    memo->setPalette(p);
    memo->setFont(font);
}

void setTextLook(QLabel* label, const QColor& colour, const QFont& font)
{
    setTextColor(label, colour);
    label->setFont(font);
}

void setSectionLabelLook(QLabel* label, const QColor& text, const QFont& font)
{
    setTextLook(label, text, font);
    setBackground(label, SkyBlue);
    if (auto* section = qobject_cast<SectionLabel*>(label))
        section->setTextEdge(QColor(0, 0, 80));
}

void setNumberBoxLook(QLineEdit* box)
{
    QPalette p = box->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, Qt::black);
        p.setColor(group, QPalette::Text, QColor(0, 255, 0));
    }
    box->setPalette(p);
    QFont f = box->font();
    f.setBold(true);
    f.setPointSize(12);
    box->setFont(f);
}

QFont labelFont(const QString& family, bool bold, bool underline, int pointSize)
{
    QFont f;
    if (!family.isEmpty())
        f.setFamily(family);
    f.setPointSize(pointSize);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

QFont memoFont(int pixelSize)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(pixelSize);
    return f;
}

} // namespace SectionStyle
