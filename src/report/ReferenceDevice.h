#pragma once

#include <QPaintDevice>

namespace kelvora::report {

// A paint device that paints nothing and reports 600 dots per inch. Text is measured
// against it once, so a line breaks at the same word on screen, paper and PDF,
// whatever the resolution of the device that finally draws it.
class ReferenceDevice : public QPaintDevice
{
public:
    static constexpr int kDpi = 600;
    static const ReferenceDevice& instance();

    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric metric) const override;
};

} // namespace kelvora::report
