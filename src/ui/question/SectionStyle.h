#pragma once
// Colours and fonts of the question page. Each mode window gives the page its own look; the
// self-training window also recolours answers at run time. Looks are set through palettes and
// fonts (no style sheets), so that a later colour change always takes effect.
#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace SectionStyle {

inline const QColor SkyBlue(166, 202, 240);

void setBackground(QWidget* widget, const QColor& colour);
void setTextColor(QWidget* widget, const QColor& colour); // labels: window text
void setMemoTextColor(QPlainTextEdit* memo, const QColor& colour);
void setMemoLook(QPlainTextEdit* memo, const QColor& text, const QColor& base, const QFont& font);
void setTextLook(QLabel* label, const QColor& colour, const QFont& font);
// The section label: light text on sky blue, with a dark edge under the letters so that they stay
// legible on the light background.
void setSectionLabelLook(QLabel* label, const QColor& text, const QFont& font);
// The question number box: black background, lime bold text.
void setNumberBoxLook(QLineEdit* box);

QFont labelFont(const QString& family, bool bold, bool underline, int pointSize = 12);
// Verdana with characters of the given height in pixels.
QFont memoFont(int pixelSize);

} // namespace SectionStyle
