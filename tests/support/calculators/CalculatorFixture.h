#pragma once

#include "core/calculators/CalculatorContext.h"
#include "core/calculators/CalculatorReport.h"
#include "core/settings/Settings.h"
#include "support/ScriptedUserPort.h"

#include <QDate>
#include <QList>

namespace kelvora::test {

// Remembers every report a calculator asked to preview, instead of showing it.
class RecordingReportRunner : public CalculatorReportRunner
{
public:
    void showReport(const CalculatorReport& report) override { shown.append(report); }
    QList<CalculatorReport> shown;
};

// A calculator's surroundings: held settings that touch no file, the scripted
// user, the recording preview and a clock that stands still on 11 December 2026.
struct CalculatorFixture
{
    static inline const QDate kToday{2026, 12, 11};

    ScriptedUserPort port;
    RecordingReportRunner reports;
    Settings settings{SettingsLocations{}, Regional::australian(), [] { return kToday; }};

    CalculatorContext context()
    {
        return CalculatorContext{settings, port, reports, Regional::australian(), [] { return kToday; }};
    }
};

} // namespace kelvora::test
