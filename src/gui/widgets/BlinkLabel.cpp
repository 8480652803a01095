#include "gui/widgets/BlinkLabel.h"

#include <QPainter>
#include <QStyle>

namespace kelvora {

BlinkLabel::BlinkLabel(QWidget* parent) : BlinkLabel(QString(), parent) {}

BlinkLabel::BlinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    m_timer.setInterval(500);
    connect(&m_timer, &QTimer::timeout, this, &BlinkLabel::toggle);
}

void BlinkLabel::setBlinking(bool blinking)
{
    m_lit = true;
    if (blinking)
        m_timer.start();
    else
        m_timer.stop();
    update();
}

void BlinkLabel::setInterval(int milliseconds)
{
    m_timer.setInterval(std::max(1, milliseconds));
}

void BlinkLabel::setBlinkColour(const QColor& colour)
{
    m_blinkColour = colour;
    if (!m_lit)
        update();
}

void BlinkLabel::toggle()
{
    m_lit = !m_lit;
    update();
}

void BlinkLabel::paintEvent(QPaintEvent* event)
{
    if (m_lit) {
        QLabel::paintEvent(event);
        return;
    }
    // The off phase: the frame stays, the text is drawn in the blink colour or not at all.
    QPainter painter(this);
    drawFrame(&painter);
    if (!m_blinkColour.isValid())
        return;
    QPalette off = palette();
    off.setColor(foregroundRole(), m_blinkColour);
    const int m = margin();
    QRect area = contentsRect().adjusted(m, m, -m, -m);
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    // The same indent the label applies, so the text does not jump between phases.
    int inset = indent();
    if (inset < 0 && frameWidth() > 0)
        inset = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    if (inset > 0) {
        if (align & Qt::AlignLeft)
            area.setLeft(area.left() + inset);
        if (align & Qt::AlignRight)
            area.setRight(area.right() - inset);
        if (align & Qt::AlignTop)
            area.setTop(area.top() + inset);
        if (align & Qt::AlignBottom)
            area.setBottom(area.bottom() - inset);
    }
    int flags = int(align);
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    style()->drawItemText(&painter, area, flags, off, isEnabled(), text(), foregroundRole());
}

} // namespace kelvora
