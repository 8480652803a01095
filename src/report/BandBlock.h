#pragma once

#include "report/DisplayItem.h"

#include <vector>

namespace kelvora::report {

// A band evaluated for the current records and measured, ready to be placed.
// Items are in millimetres from the band's top-left corner.
struct BandBlock
{
    int band = -1;
    double height = 0;
    bool canSplit = false;
    bool continuation = false; // the rest of a band that split; its totals are already counted
    std::vector<DisplayItem> items;
};

} // namespace kelvora::report
