#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include "core/format/Regional.h"

namespace kelvora {

// Date and time texts by pattern, with the regional names and separators. Letters are
// read in any case ("MMMM" is "mmmm"); a run of the same letter is one specifier.
//   d dd ddd dddd   day: 5, 05, short name Fri, long name Friday
//   m mm mmm mmmm   month: 3, 03, Mar, March; right after an h or hh (only other
//                   characters between, no other letter) m and mm are the minutes
//   y yy            two-digit year; yyy and longer: four digits
//   h hh            hour: 7, 07 (12-hour clock when AM/PM, A/P or AMPM follows anywhere)
//   n nn            minutes; s ss seconds; z zzz milliseconds
//   AM/PM  A/P      the half of the day, written in the letter case of the pattern
//                   ("am/pm" gives "pm", "AM/PM" gives "PM")
//   AMPM            the regional AM or PM text
//   /  :            the regional date and time separators
//   "text" 'text'   kept as written, without the quotes
// Every other character, other letters included, is kept as written. A specifier that
// needs a date or time that is not valid makes the whole text empty.
// For 11 December 2026 15:07:09: "dddd d mmmm yyyy" gives "Friday 11 December 2026",
// "HH:MM AM/PM DD/MM/YY" gives "03:07 PM 11/12/26".
QString formatDateTime(const QString& pattern, const QDate& date, const QTime& time,
                       const Regional& regional = Regional::australian());
QString formatDateTime(const QString& pattern, const QDateTime& moment,
                       const Regional& regional = Regional::australian());
// A date alone: time specifiers read midnight.
QString formatDate(const QString& pattern, const QDate& date, const Regional& regional = Regional::australian());

} // namespace kelvora
