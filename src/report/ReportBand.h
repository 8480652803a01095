#pragma once

#include "report/ReportObject.h"

#include <QString>
#include <memory>
#include <vector>

namespace kelvora::report {

class Expression;

enum class BandType {
    ReportTitle,
    PageHeader,
    GroupHeader,
    MasterData,
    Child,
    GroupFooter,
    ReportSummary,
    PageFooter,
};

enum class FillOrder { DownThenAcross, AcrossThenDown };

// A band may stamp its objects into a fixed grid of slotGrid (a sheet of cards): each
// object is repeated once per slot, and a "#" in its name becomes the slot number,
// so the program still finds every copy by name ("T1" .. "T10").
struct SlotGrid
{
    int columns = 0;
    int rows = 0;
    double pitchX = 0; // mm from one slot's left edge to the next
    double pitchY = 0; // mm from one slot's top edge to the next
    FillOrder order = FillOrder::AcrossThenDown;

    bool active() const { return columns > 0 && rows > 0; }
    int count() const { return active() ? columns * rows : 0; }
};

struct ReportBand
{
    BandType type = BandType::MasterData;
    QString name;
    double height = 0; // mm as designed
    bool visible = true;
    bool canGrow = false;   // objects that can grow make the band taller
    bool canShrink = false; // objects that can shrink make it shorter
    bool canSplit = false;  // may continue on the next page at a line boundary
    bool startNewPage = false;    // master data and group headers: each starts a page
    bool repeatOnNewPage = false; // group headers: printed again at the top of a continued group
    bool printOnFirstPage = true; // page header and footer
    QString dataset;   // master data: the dataset name the program binds
    QString condition; // group header: the key expression; a new group starts when it changes
    std::shared_ptr<const Expression> compiledCondition;
    SlotGrid slotGrid;
    std::vector<ReportObject> objects;
    int child = -1; // index of the child band printed right after this one, -1 when none

    int sourceLine = 0;
    int sourceColumn = 0;
};

const char* bandTypeElement(BandType type);

} // namespace kelvora::report
