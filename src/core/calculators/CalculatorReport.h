#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace kelvora {

// A calculator's printout: which template, and the texts its before-print step puts
// into named objects. Every calculator report shows the logo in `Picture1`.
struct CalculatorReport
{
    QString name; // the report, e.g. "RptBorrow"; its template is <name>.xml
    QList<std::pair<QString, QString>> texts;

    QString text(const QString& object) const
    {
        for (const auto& [name, value] : texts)
            if (name == object)
                return value;
        return {};
    }
};

// Shows a calculator report in the preview and returns when the preview is closed.
class CalculatorReportRunner
{
public:
    virtual ~CalculatorReportRunner() = default;
    virtual void showReport(const CalculatorReport& report) = 0;
};

} // namespace kelvora
