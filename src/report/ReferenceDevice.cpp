#include "report/ReferenceDevice.h"

namespace kelvora::report {

const ReferenceDevice& ReferenceDevice::instance()
{
    static const ReferenceDevice device;
    return device;
}

int ReferenceDevice::metric(PaintDeviceMetric metric) const
{
    // An A3 sheet's worth of dots; only the resolution matters for measuring.
    constexpr int kWidthMm = 297;
    constexpr int kHeightMm = 420;
    switch (metric) {
    case PdmWidth: return int(kWidthMm / 25.4 * kDpi);
    case PdmHeight: return int(kHeightMm / 25.4 * kDpi);
    case PdmWidthMM: return kWidthMm;
    case PdmHeightMM: return kHeightMm;
    case PdmNumColors: return 0x7fffffff;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return kDpi;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    }
    return 0;
}

} // namespace kelvora::report
