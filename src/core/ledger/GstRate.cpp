#include "core/ledger/GstRate.h"

#include "core/interaction/UserPort.h"
#include "core/settings/Settings.h"

namespace kelvora::gstrate {

void ApplyIncChange(Settings& settings, const QString& applyText)
{
    settings.setGstRate(applyText);
}

void GSTApplyRate1Click(Settings& settings, UserPort& port)
{
    settings.setGstRate(port.inputBox(QStringLiteral("Set GST Rate"), QStringLiteral("Enter Rate"),
                                      QStringLiteral("10")));
}

} // namespace kelvora::gstrate
