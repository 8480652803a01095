#pragma once

#include "core/format/Regional.h"

#include <QString>
#include <QVariant>

namespace kelvora::report {

// How a template shows the value of an expression. A display format is one of
//   a number pattern   "###,###.##" (nothing for zero), "$###,###.00", "#,##0.00;(#,##0.00)"
//   a value format     "%2.2m" regional currency; also %n number, %f fixed, %d whole
//                      number, %g general, %s text; width and precision as "%[-][w][.p]x",
//                      with literal text around it ("Total %.2m")
//   a date pattern     "dd/mm/yyyy", "dd/mm/yyyy  hh:mm", "HH:MM AM/PM DD/MM/YY"
// A number pattern or value format shows numbers; a date pattern shows dates and
// times (an ISO date text, as the database keeps dates, counts as a date). A value the
// format does not fit is shown as it would be without a format. NULL is always empty.
class DisplayFormat
{
public:
    enum class Kind { None, NumberPattern, ValueFormat, DatePattern };

    static Kind kindOf(const QString& format);
    // Why a format cannot be used, or an empty text when it can.
    static QString check(const QString& format);

    static QString text(const QVariant& value, const QString& format, const Regional& regional);
    // Without a format: numbers in the general style, dates "dd/mm/yyyy", date and time
    // "dd/mm/yyyy hh:mm:ss" (the date alone at midnight), "True"/"False".
    static QString plainText(const QVariant& value, const Regional& regional);
};

} // namespace kelvora::report
