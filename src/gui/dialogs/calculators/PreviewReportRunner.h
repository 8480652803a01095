#pragma once

#include "core/calculators/CalculatorReport.h"
#include "core/format/Regional.h"
#include "core/settings/AppFolders.h"

#include <QPointer>
#include <QWidget>

namespace kelvora {

class UserPort;

// Shows a calculator's report in the modal preview: its template from the
// templates folder (an edited copy in the data folder wins, and "Edit template"
// saves there), the calculator's texts and the logo.
class PreviewReportRunner : public CalculatorReportRunner
{
public:
    PreviewReportRunner(AppFolders folders, Regional regional, UserPort& port);

    // The window the preview sits over.
    void setParentWindow(QWidget* window) { m_parent = window; }

    void showReport(const CalculatorReport& report) override;

private:
    AppFolders m_folders;
    Regional m_regional;
    UserPort& m_port;
    QPointer<QWidget> m_parent;
};

} // namespace kelvora
