#include "gui/dialogs/calculators/PreviewReportRunner.h"

#include "core/interaction/UserPort.h"
#include "gui/report/ReportPreview.h"
#include "report/Report.h"

namespace kelvora {

PreviewReportRunner::PreviewReportRunner(AppFolders folders, Regional regional, UserPort& port)
    : m_folders(std::move(folders)), m_regional(std::move(regional)), m_port(port)
{
}

void PreviewReportRunner::showReport(const CalculatorReport& calculatorReport)
{
    const QString file = calculatorReport.name + QStringLiteral(".xml");
    report::Report report;
    if (!report.load(m_folders.templatePath(file))) {
        m_port.messageDlg(report.loadErrors().join(QStringLiteral("\r\n")), MsgType::Error, MsgButton::OK);
        return;
    }
    report.setRegional(m_regional);
    const QString logo = m_folders.programFolder() + QStringLiteral("Logo.Jpg");
    report.setBeforePrint([&calculatorReport, &logo](report::ReportFill& fill) {
        for (const auto& [object, text] : calculatorReport.texts)
            fill.setText(object, text);
        fill.setPicture(QStringLiteral("Picture1"), logo);
    });
    ReportPreview window(report, m_port, m_parent);
    window.setTemplateSavePath(m_folders.dataFolder() + QStringLiteral("templates/") + file);
    // Faults of the run are shown by the preview; without pages there is nothing to look at.
    const report::ReportResult result = window.rerun();
    if (!result.ok() && window.pageCount() == 0)
        return;
    window.exec();
}

} // namespace kelvora
