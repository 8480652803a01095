#include "core/app/AppInfo.h"

namespace kelvora {

QString applicationVersion()
{
    // The project's version in CMakeLists.txt, so the program and its package agree.
    return QStringLiteral(KELVORA_VERSION);
}

} // namespace kelvora
