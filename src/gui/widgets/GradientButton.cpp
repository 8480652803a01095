#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPaint.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace kelvora {

GradientButton::GradientButton(QWidget* parent) : GradientButton(QString(), parent) {}

GradientButton::GradientButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent), m_start(Qt::green), m_end(Qt::blue)
{
    setAttribute(Qt::WA_Hover);
    QFont captionFont = font();
    captionFont.setBold(true);
    setFont(captionFont);
}

void GradientButton::setStartColour(const QColor& colour)
{
    setColours(colour, m_end);
}

void GradientButton::setEndColour(const QColor& colour)
{
    setColours(m_start, colour);
}

void GradientButton::setColours(const QColor& start, const QColor& end)
{
    if (start == m_start && end == m_end)
        return;
    m_start = start;
    m_end = end;
    update();
}

void GradientButton::flipPressedLook(const QColor& grad1, const QColor& grad2)
{
    const QColor start = m_start.rgb() == silver().rgb() ? grad2 : silver();
    const QColor end = m_end.rgb() == grey().rgb() ? grad1 : grey();
    setColours(start, end);
}

void GradientButton::setCornerRadius(int radius)
{
    m_radius = std::max(0, radius);
    update();
}

void GradientButton::setCaptionColour(const QColor& colour)
{
    m_captionColour = colour;
    update();
}

QColor GradientButton::effectiveCaptionColour() const
{
    if (m_captionColour.isValid())
        return m_captionColour;
    return gradientpaint::contrastingText(gradientpaint::colourAt(m_start, m_end, 0.5));
}

QSize GradientButton::sizeHint() const
{
    const QSize base = QPushButton::sizeHint();
    return {std::max(base.width(), fontMetrics().horizontalAdvance(text()) + 2 * m_radius + 12),
            std::max(base.height(), fontMetrics().height() + 10)};
}

void GradientButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());

    const bool sunken = isDown() || isChecked();
    const bool hovered = isEnabled() && underMouse() && !sunken;
    auto tone = [&](QColor colour) {
        if (!isEnabled()) {
            const int level = qGray(colour.rgb());
            return gradientpaint::colourAt(colour, QColor(level, level, level), 0.7);
        }
        if (sunken)
            return colour.darker(125);
        if (hovered)
            return colour.lighter(115);
        return colour;
    };
    const QColor start = tone(m_start);
    const QColor end = tone(m_end);

    const QRectF body = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    gradientpaint::fillGradient(painter, body, start, end, GradientDirection::Vertical, m_radius);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(gradientpaint::colourAt(start, end, 0.5).darker(170), 1));
    painter.drawRoundedRect(body, m_radius, m_radius);

    QColor caption = effectiveCaptionColour();
    if (!isEnabled())
        caption.setAlpha(140);

    if (hasFocus()) {
        QColor ring = caption;
        ring.setAlpha(170);
        painter.setPen(QPen(ring, 1, Qt::DotLine));
        const qreal inset = 3;
        painter.drawRoundedRect(body.adjusted(inset, inset, -inset, -inset), std::max(0, m_radius - 2),
                                std::max(0, m_radius - 2));
    }

    QRect content = rect().adjusted(4, 2, -4, -2);
    if (sunken)
        content.translate(1, 1);
    if (!icon().isNull()) {
        const QSize size = iconSize();
        const int textWidth = text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(text()) + 4;
        const int left = content.left() + std::max(0, (content.width() - size.width() - textWidth) / 2);
        const QRect iconRect(left, content.center().y() - size.height() / 2 + 1, size.width(), size.height());
        icon().paint(&painter, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        content.setLeft(iconRect.right() + 4);
        if (!text().isEmpty())
            content.setWidth(textWidth);
    }
    gradientpaint::drawCaption(painter, content, Qt::AlignCenter | Qt::TextShowMnemonic, text(), caption);
}

} // namespace kelvora
