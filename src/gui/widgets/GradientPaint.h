#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace kelvora {

enum class GradientDirection { Horizontal, Vertical, Diagonal };

// Painting shared by the gradient panel and the gradient button, so both keep
// captions readable over the same loud colour schemes.
namespace gradientpaint {

// The colour a linear gradient has at `t` (0 = start, 1 = end).
QColor colourAt(const QColor& start, const QColor& end, double t);

// Black or white, whichever reads better on `background`.
QColor contrastingText(const QColor& background);

// The gradient colour under the middle of a caption placed at `alignment`.
QColor colourUnderCaption(const QColor& start, const QColor& end, GradientDirection direction,
                          Qt::Alignment alignment);

// Fills `shape` with the gradient plus a faint gloss on its upper half, which
// softens saturated schemes without changing their colours.
void fillGradient(QPainter& painter, const QRectF& area, const QColor& start, const QColor& end,
                  GradientDirection direction, qreal radius);

// Draws `text` with a soft halo in the opposite tone, so it stays legible where
// the gradient under it turns light or dark.
void drawCaption(QPainter& painter, const QRect& area, int flags, const QString& text,
                 const QColor& colour);

} // namespace gradientpaint
} // namespace kelvora
