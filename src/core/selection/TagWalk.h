#pragma once

#include <functional>

namespace kelvora {

class View;

// Tag walks: the tools that mark a working set write Tag on many records. The
// records are taken as a fixed list first, so a walk never skips one when Tag
// is in the view's order, and the whole walk is one transaction.
namespace tagwalk {

// Posts the record being edited, and a new one the user has typed into; a new
// record left untouched is dropped rather than stored empty.
void postPending(View& view);

// Holds the grid's display for a walk; it comes back also when a post fails
// part-way.
class HeldDisplay
{
public:
    explicit HeldDisplay(View& view);
    ~HeldDisplay();
    HeldDisplay(const HeldDisplay&) = delete;
    HeldDisplay& operator=(const HeldDisplay&) = delete;

private:
    View& m_view;
};

// Every record shown gets Tag "y" where `tagged(row)` holds and an empty Tag
// otherwise; only records whose Tag changes are written. The number written.
int setTags(View& view, const std::function<bool(int row)>& tagged);
// Empties every Tag of the records shown that is not empty.
int clearTags(View& view);

} // namespace tagwalk

} // namespace kelvora
