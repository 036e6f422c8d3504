#pragma once
// The section label of the question page. Light text on the sky-blue bar gets a thin dark edge
// around its letters, so that it stays legible on the light background.
#include <QColor>
#include <QLabel>

class SectionLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
    // The colour of the letters' edge; none (plain text) until set.
    void setTextEdge(const QColor& colour);
    QColor textEdge() const { return m_edge; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_edge;
};
