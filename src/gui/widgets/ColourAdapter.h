#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

namespace kelvora {

// The settings' colours (0x00BBGGRR, as the core colour module reads them) as
// the toolkit's colours and back.
QColor toQColor(quint32 bgr);
quint32 fromQColor(const QColor& colour);

// The colour a colour text names; `fallback` when the text is not a colour, so
// a damaged setting never paints a control black.
QColor colourFromText(const QString& text, const QColor& fallback);

} // namespace kelvora
