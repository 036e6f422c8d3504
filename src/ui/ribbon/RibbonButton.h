#pragma once
// A ribbon button bound to one QAction: large (24 x 24 icon over a caption of up to two lines),
// small (16 x 16 icon beside a one-line caption) or icon-only (quick-access bar). It paints itself
// in the colours of the ribbon's scheme and shows the action's screen tip as a rich tooltip.
#include <QStringList>
#include <QToolButton>

class RibbonButton : public QToolButton
{
    Q_OBJECT
public:
    enum class Kind { Large, Small, IconOnly };

    RibbonButton(QAction* action, Kind kind, const QString& caption = QString(), QWidget* parent = nullptr);
    Kind kind() const { return m_kind; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The caption as shown on a large button: one line, or two lines of balanced width.
    static QStringList captionLines(const QString& text, const QFontMetrics& fm);

protected:
    bool event(QEvent* e) override;
    void actionEvent(QActionEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void showTip(const QPoint& globalPos);

    Kind m_kind;
    QString m_caption; // overrides the action's text when set
};
