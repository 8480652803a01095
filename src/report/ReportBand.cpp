#include "report/ReportBand.h"

namespace kelvora::report {

const char* bandTypeElement(BandType type)
{
    switch (type) {
    case BandType::ReportTitle: return "reportTitle";
    case BandType::PageHeader: return "pageHeader";
    case BandType::GroupHeader: return "groupHeader";
    case BandType::MasterData: return "masterData";
    case BandType::Child: return "child";
    case BandType::GroupFooter: return "groupFooter";
    case BandType::ReportSummary: return "reportSummary";
    case BandType::PageFooter: return "pageFooter";
    }
    return "";
}

} // namespace kelvora::report
