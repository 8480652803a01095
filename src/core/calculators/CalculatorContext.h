#pragma once

#include "core/format/Regional.h"

#include <QDate>
#include <functional>

namespace kelvora {

class CalculatorReportRunner;
class Settings;
class UserPort;

// What a calculator window works with: the held settings its inputs are kept in,
// the user, the preview for its reports, the regional formats and today's date.
struct CalculatorContext
{
    Settings& settings;
    UserPort& port;
    CalculatorReportRunner& reports;
    Regional regional = Regional::australian();
    std::function<QDate()> today; // empty: the system date

    QDate currentDate() const { return today ? today() : QDate::currentDate(); }
};

} // namespace kelvora
