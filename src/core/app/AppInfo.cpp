#include "core/app/AppInfo.h"

namespace kelvora {

QString applicationVersion()
{
    return QStringLiteral("0.1.0");
}

} // namespace kelvora
