#include "gui/widgets/AnalogClock.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace kelvora {

namespace {

// Draws a tapered hand pointing at `angle` degrees clockwise from twelve, on a
// face of radius 100 centred at the origin.
void drawHand(QPainter& painter, qreal angle, qreal length, qreal width, qreal tail, const QColor& colour)
{
    painter.save();
    painter.rotate(angle);
    QPainterPath hand;
    hand.moveTo(-width / 2, tail);
    hand.lineTo(-width / 5, -length);
    hand.quadTo(0, -length - width / 2, width / 5, -length);
    hand.lineTo(width / 2, tail);
    hand.closeSubpath();
    painter.setPen(QPen(colour.darker(150), 0.8));
    painter.setBrush(colour);
    painter.drawPath(hand);
    painter.restore();
}

} // namespace

AnalogClock::AnalogClock(QWidget* parent)
    : QWidget(parent), m_shown(QTime::currentTime()), m_hourColour(Qt::green)
{
    m_shown.setHMS(m_shown.hour(), m_shown.minute(), m_shown.second());
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AnalogClock::tick);
    setMinimumSize(40, 40);
}

void AnalogClock::setHourHandColour(const QColor& colour)
{
    m_hourColour = colour;
    update();
}

void AnalogClock::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    tick();
}

void AnalogClock::hideEvent(QHideEvent* event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
}

void AnalogClock::tick()
{
    const QTime now = QTime::currentTime();
    m_shown = QTime(now.hour(), now.minute(), now.second());
    update();
    scheduleNextTick();
}

void AnalogClock::scheduleNextTick()
{
    // Aim just past the next whole second so the second hand never skips one.
    const int msec = QTime::currentTime().msec();
    m_timer.start(1000 - msec + 5);
}

void AnalogClock::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(side / 210.0, side / 210.0);

    // Rim and face.
    QRadialGradient rim(QPointF(-30, -40), 140);
    rim.setColorAt(0, QColor(0x9a, 0xa4, 0xb0));
    rim.setColorAt(1, QColor(0x3c, 0x44, 0x50));
    painter.setPen(Qt::NoPen);
    painter.setBrush(rim);
    painter.drawEllipse(QPointF(0, 0), 102, 102);

    QRadialGradient face(QPointF(-25, -35), 130);
    face.setColorAt(0, QColor(0xff, 0xff, 0xff));
    face.setColorAt(1, QColor(0xe4, 0xe8, 0xee));
    painter.setBrush(face);
    painter.drawEllipse(QPointF(0, 0), 94, 94);

    // Minute and hour marks.
    for (int i = 0; i < 60; ++i) {
        const bool hour = i % 5 == 0;
        painter.setPen(QPen(QColor(0x2e, 0x34, 0x3c), hour ? 3.5 : 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, hour ? -76 : -82), QPointF(0, -88));
        painter.rotate(6);
    }

    // Numerals at the quarters when there is room to read them.
    if (side >= 90) {
        QFont numerals = font();
        numerals.setPixelSize(16);
        numerals.setBold(true);
        painter.setFont(numerals);
        painter.setPen(QColor(0x2e, 0x34, 0x3c));
        const struct
        {
            const char* text;
            QPointF centre;
        } quarters[] = {{"12", {0, -62}}, {"3", {62, 0}}, {"6", {0, 62}}, {"9", {-62, 0}}};
        for (const auto& q : quarters)
            painter.drawText(QRectF(q.centre.x() - 15, q.centre.y() - 11, 30, 22), Qt::AlignCenter,
                             QString::fromLatin1(q.text));
    }

    const qreal seconds = m_shown.second();
    const qreal minutes = m_shown.minute() + seconds / 60.0;
    const qreal hours = (m_shown.hour() % 12) + minutes / 60.0;

    drawHand(painter, hours * 30.0, 50, 9, 12, m_hourColour);
    drawHand(painter, minutes * 6.0, 74, 6, 14, QColor(0x2e, 0x34, 0x3c));

    const QColor secondColour(0xd6, 0x33, 0x2b);
    painter.save();
    painter.rotate(seconds * 6.0);
    painter.setPen(QPen(secondColour, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 20), QPointF(0, -82));
    painter.restore();

    painter.setPen(Qt::NoPen);
    painter.setBrush(secondColour);
    painter.drawEllipse(QPointF(0, 0), 5, 5);
    painter.setBrush(QColor(0xff, 0xff, 0xff));
    painter.drawEllipse(QPointF(0, 0), 1.8, 1.8);
}

} // namespace kelvora
