#include "gui/widgets/ColourAdapter.h"

#include "core/format/ColourText.h"

namespace kelvora {

QColor toQColor(quint32 bgr)
{
    return QColor(red(bgr), green(bgr), blue(bgr));
}

quint32 fromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return colourFromRgb(rgb.red(), rgb.green(), rgb.blue());
}

QColor colourFromText(const QString& text, const QColor& fallback)
{
    const std::optional<quint32> parsed = parseColourText(text);
    return parsed ? toQColor(*parsed) : fallback;
}

} // namespace kelvora
