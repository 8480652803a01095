#pragma once

#include <QColor>
#include <QTime>
#include <QTimer>
#include <QWidget>

namespace kelvora {

// A round clock face with hour, minute and second hands. It ticks on the second
// boundary while it is shown and rests while hidden.
class AnalogClock : public QWidget
{
    Q_OBJECT

public:
    explicit AnalogClock(QWidget* parent = nullptr);

    QColor hourHandColour() const { return m_hourColour; }
    void setHourHandColour(const QColor& colour);

    // The time the face shows (the current time of day, to the second).
    QTime shownTime() const { return m_shown; }

    QSize sizeHint() const override { return {120, 120}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void tick();
    void scheduleNextTick();

    QTimer m_timer;
    QTime m_shown;
    QColor m_hourColour;
};

} // namespace kelvora
