#pragma once

#include <QColor>
#include <QLabel>
#include <QTimer>

namespace kelvora {

// A label that blinks by itself: while blinking it alternates its normal look
// with an "off" look every interval. The off look draws the text in the blink
// colour, or leaves it out when no blink colour is set. The label keeps its
// size in both phases, so nothing around it moves.
class BlinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit BlinkLabel(QWidget* parent = nullptr);
    explicit BlinkLabel(const QString& text, QWidget* parent = nullptr);

    bool isBlinking() const { return m_timer.isActive(); }
    // Starting restarts the cycle on the normal look; stopping leaves it steady.
    void setBlinking(bool blinking);
    void startBlinking() { setBlinking(true); }
    void stopBlinking() { setBlinking(false); }

    // True while the label shows its normal look (always true when steady).
    bool isLit() const { return m_lit; }

    int interval() const { return m_timer.interval(); }
    void setInterval(int milliseconds);

    QColor blinkColour() const { return m_blinkColour; }
    void setBlinkColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void toggle();

    QTimer m_timer;
    QColor m_blinkColour;
    bool m_lit = true;
};

} // namespace kelvora
