#pragma once

#include "core/format/Regional.h"

#include <QDateTime>

#include <functional>

namespace kelvora {

class Settings;
class UserPort;

// What every page model shares with the main model: the user, the held
// settings, the regional formats, the clock and the failure reporter.
struct PageContext
{
    UserPort& port;
    Settings& settings;
    const Regional& regional;
    std::function<QDateTime()> now;
    // The field the last selection of any page chose; shared by the pages.
    QString* selectedField = nullptr;

    QDate today() const { return now().date(); }
    // Today as the page headings show it: "Friday 11 December 2026".
    QString todayText() const { return dayText(today(), regional); }
    static QString dayText(const QDate& date, const Regional& regional);
};

} // namespace kelvora
