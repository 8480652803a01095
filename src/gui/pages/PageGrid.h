#pragma once

#include "gui/pages/ClipboardTarget.h"
#include "gui/widgets/DataGrid.h"

namespace kelvora {

class PageModel;

// The grid of a page: a data grid over the page model's view whose column
// entries and right-click commands go to that model.
class PageGrid : public DataGrid, public ClipboardTarget
{
    Q_OBJECT
public:
    PageGrid(PageModel& model, HandlerGuard& guard, QWidget* parent = nullptr);

    void clipboardCopy() override;
    void clipboardCut() override;
    void clipboardPaste() override;

private:
    PageModel& m_pageModel;
};

} // namespace kelvora
