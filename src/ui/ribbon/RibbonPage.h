#pragma once
// One tab's page of a ribbon. Where the window is narrower than the page's groups, the page
// scrolls sideways instead of widening the window: arrow buttons at its edges (and the mouse
// wheel) bring the hidden groups into view.
#include <QScrollArea>

class QHBoxLayout;
class QToolButton;

class RibbonPage : public QScrollArea
{
    Q_OBJECT
public:
    explicit RibbonPage(QWidget* parent = nullptr);

    // The row the groups stand in, a closing stretch last.
    QHBoxLayout* row() const { return m_row; }
    QToolButton* scrollLeft() const { return m_left; }
    QToolButton* scrollRight() const { return m_right; }

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeArrows();
    void step(int direction);

    QHBoxLayout* m_row = nullptr;
    QToolButton* m_left = nullptr;
    QToolButton* m_right = nullptr;
};
