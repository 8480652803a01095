#include "FuzzChecks.h"
#include "FuzzInput.h"

#include "core/dates/DateText.h"
#include "core/dates/DateTimeFormat.h"

namespace kelvora::fuzz {

// A typed date (and a display pattern from a template): a date that is read is
// a real date, and the program's own text of it reads back as the same date.
void checkShortDate(const QByteArray& input)
{
    FuzzInput in(input);
    const QString text = in.textPart();
    const QString pattern = in.textPart();
    Regional regional = Regional::australian();
    if (in.choose(2) == 1)
        regional.dateSeparator = QLatin1Char('.');

    const QDate date = parseShortDate(text, regional);
    if (date.isValid()) {
        KELVORA_FUZZ_REQUIRE("short_date", date.year() >= 1 && date.year() <= 9999, text);
        const QString written = shortDateText(date, regional);
        KELVORA_FUZZ_REQUIRE("short_date", parseShortDate(written, regional) == date,
                             text + QStringLiteral(" -> ") + written);
    }
    const QDate shown = date.isValid() ? date : QDate(2026, 12, 11);
    (void)formatDate(pattern, shown, regional);
    (void)formatDateTime(pattern, shown, QTime(23, 59, 58, 999), regional);
}

} // namespace kelvora::fuzz
