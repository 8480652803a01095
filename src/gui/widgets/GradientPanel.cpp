#include "gui/widgets/GradientPanel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace kelvora {

namespace {
constexpr int kCaptionMargin = 8;
}

GradientPanel::GradientPanel(QWidget* parent)
    : QFrame(parent), m_start(Qt::blue), m_end(Qt::green)
{
    QFont captionFont = font();
    captionFont.setBold(true);
    setFont(captionFont);
    setFrameShape(QFrame::NoFrame);
}

void GradientPanel::setStartColour(const QColor& colour)
{
    setColours(colour, m_end);
}

void GradientPanel::setEndColour(const QColor& colour)
{
    setColours(m_start, colour);
}

void GradientPanel::setColours(const QColor& start, const QColor& end)
{
    if (start == m_start && end == m_end)
        return;
    m_start = start;
    m_end = end;
    update();
}

void GradientPanel::setDirection(GradientDirection direction)
{
    m_direction = direction;
    update();
}

void GradientPanel::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    updateGeometry();
    update();
}

void GradientPanel::setCaptionAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void GradientPanel::setCaptionColour(const QColor& colour)
{
    m_captionColour = colour;
    update();
}

QColor GradientPanel::effectiveCaptionColour() const
{
    if (m_captionColour.isValid())
        return m_captionColour;
    return gradientpaint::contrastingText(
        gradientpaint::colourUnderCaption(m_start, m_end, m_direction, m_alignment));
}

QSize GradientPanel::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int frame = 2 * frameWidth();
    const QSize caption(metrics.horizontalAdvance(m_caption) + 2 * kCaptionMargin + frame,
                        metrics.height() + 2 * kCaptionMargin + frame);
    // A band that holds controls must be able to grow to fit them.
    return layout() ? QFrame::sizeHint().expandedTo(caption) : caption;
}

QSize GradientPanel::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    const QSize caption(2 * kCaptionMargin, metrics.height() + 2 * frameWidth());
    return layout() ? QFrame::minimumSizeHint().expandedTo(caption) : caption;
}

QRect GradientPanel::captionRect() const
{
    return contentsRect().adjusted(kCaptionMargin, 0, -kCaptionMargin, 0);
}

void GradientPanel::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        gradientpaint::fillGradient(painter, rect(), m_start, m_end, m_direction, 0);
        painter.setFont(font());
        gradientpaint::drawCaption(painter, captionRect(), int(m_alignment) | Qt::TextSingleLine, m_caption,
                                   effectiveCaptionColour());
    }
    QFrame::paintEvent(event); // the frame, if one is set, over the gradient
}

void GradientPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void GradientPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint()))
            emit clicked();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

} // namespace kelvora
