#include "gui/widgets/GradientPaint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace kelvora::gradientpaint {

namespace {

double channelLuminance(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor& colour)
{
    return 0.2126 * channelLuminance(colour.red()) + 0.7152 * channelLuminance(colour.green())
        + 0.0722 * channelLuminance(colour.blue());
}

// Where along the gradient a caption's middle sits for one axis.
double positionOnAxis(Qt::Alignment alignment, Qt::Alignment lowEdge, Qt::Alignment highEdge)
{
    if (alignment & lowEdge)
        return 0.2;
    if (alignment & highEdge)
        return 0.8;
    return 0.5;
}

} // namespace

QColor colourAt(const QColor& start, const QColor& end, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return QColor(mix(start.red(), end.red()), mix(start.green(), end.green()), mix(start.blue(), end.blue()));
}

QColor contrastingText(const QColor& background)
{
    // Pick the tone with the larger contrast ratio against the background.
    const double l = relativeLuminance(background);
    const double withWhite = 1.05 / (l + 0.05);
    const double withBlack = (l + 0.05) / 0.05;
    return withWhite >= withBlack ? QColor(Qt::white) : QColor(Qt::black);
}

QColor colourUnderCaption(const QColor& start, const QColor& end, GradientDirection direction,
                          Qt::Alignment alignment)
{
    const double x = positionOnAxis(alignment, Qt::AlignLeft, Qt::AlignRight);
    const double y = positionOnAxis(alignment, Qt::AlignTop, Qt::AlignBottom);
    switch (direction) {
    case GradientDirection::Horizontal: return colourAt(start, end, x);
    case GradientDirection::Vertical: return colourAt(start, end, y);
    case GradientDirection::Diagonal: return colourAt(start, end, (x + y) / 2);
    }
    return start;
}

void fillGradient(QPainter& painter, const QRectF& area, const QColor& start, const QColor& end,
                  GradientDirection direction, qreal radius)
{
    QPointF to;
    switch (direction) {
    case GradientDirection::Horizontal: to = area.topRight(); break;
    case GradientDirection::Vertical: to = area.bottomLeft(); break;
    case GradientDirection::Diagonal: to = area.bottomRight(); break;
    }
    QLinearGradient gradient(area.topLeft(), to);
    gradient.setColorAt(0, start);
    gradient.setColorAt(1, end);

    QPainterPath shape;
    shape.addRoundedRect(area, radius, radius);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, radius > 0);
    painter.fillPath(shape, gradient);

    QLinearGradient gloss(area.topLeft(), area.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 64));
    gloss.setColorAt(0.45, QColor(255, 255, 255, 12));
    gloss.setColorAt(0.6, QColor(0, 0, 0, 0));
    gloss.setColorAt(1, QColor(0, 0, 0, 30));
    painter.fillPath(shape, gloss);
    painter.restore();
}

void drawCaption(QPainter& painter, const QRect& area, int flags, const QString& text, const QColor& colour)
{
    if (text.isEmpty())
        return;
    painter.save();
    QColor halo = contrastingText(colour);
    const struct
    {
        int dx, dy, alpha;
    } layers[] = {{1, 1, 120}, {0, 1, 55}, {1, 0, 55}, {-1, 0, 25}, {0, -1, 25}};
    for (const auto& layer : layers) {
        halo.setAlpha(layer.alpha);
        painter.setPen(halo);
        painter.drawText(area.translated(layer.dx, layer.dy), flags, text);
    }
    painter.setPen(colour);
    painter.drawText(area, flags, text);
    painter.restore();
}

} // namespace kelvora::gradientpaint
