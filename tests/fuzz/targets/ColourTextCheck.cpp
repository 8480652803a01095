#include "FuzzChecks.h"

#include "core/format/ColourText.h"

namespace kelvora::fuzz {

// A colour text from the settings file: a colour is within 00BBGGRR, and the
// text the program writes for it reads back as the same colour.
void checkColourText(const QByteArray& input)
{
    const QString text = QString::fromUtf8(input);
    const std::optional<quint32> colour = parseColourText(text);
    if (!colour)
        return;
    KELVORA_FUZZ_REQUIRE("colour_text", *colour <= 0x00FFFFFFu, text);
    const QString written = colourText(*colour);
    KELVORA_FUZZ_REQUIRE("colour_text", parseColourText(written) == colour, text + QStringLiteral(" -> ") + written);
}

} // namespace kelvora::fuzz
