#include "FuzzChecks.h"
#include "FuzzInput.h"

#include "core/format/NumberText.h"

#include <cmath>

namespace kelvora::fuzz {

namespace {

bool close(double a, double b)
{
    return a == b || std::fabs(a - b) <= 1e-14 * std::max(std::fabs(a), std::fabs(b));
}

} // namespace

// A typed number: a value that is read is finite, and the general text of it
// reads back as the same value; a whole number reads as the same typed number.
// Then every style and a pattern from a template show it without failing.
void checkTypedNumber(const QByteArray& input)
{
    FuzzInput in(input);
    const QString text = in.textPart();
    const QString pattern = in.textPart();
    Regional regional = Regional::australian();
    if (in.choose(2) == 1) {
        regional.decimalSeparator = QLatin1Char(',');
        regional.thousandSeparator = QLatin1Char('.');
    }
    const int style = in.choose(4);
    const int precision = in.choose(20);
    const int digits = in.choose(20);

    const std::optional<double> value = parseTypedNumber(text, regional);
    if (const std::optional<int> whole = parseWholeNumber(text)) {
        KELVORA_FUZZ_REQUIRE("typed_number", value && *value == double(*whole), text);
    }
    if (!value)
        return;
    KELVORA_FUZZ_REQUIRE("typed_number", std::isfinite(*value), text);
    const QString general = formatFloat(*value, NumberStyle::General, 15, 0, regional);
    const std::optional<double> back = parseTypedNumber(general, regional);
    KELVORA_FUZZ_REQUIRE("typed_number", back && close(*back, *value), text + QStringLiteral(" -> ") + general);

    const QString styled = formatFloat(*value, NumberStyle(style), precision, digits, regional);
    KELVORA_FUZZ_REQUIRE("typed_number", !styled.isEmpty(), text);
    (void)formatFloatPattern(pattern, *value, regional);
}

} // namespace kelvora::fuzz
