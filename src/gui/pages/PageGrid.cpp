#include "gui/pages/PageGrid.h"

#include "core/pages/PageModel.h"
#include "gui/widgets/HandlerGuard.h"

namespace kelvora {

PageGrid::PageGrid(PageModel& model, HandlerGuard& guard, QWidget* parent)
    : DataGrid(model.view(), guard, parent), m_pageModel(model)
{
    connect(this, &DataGrid::columnEntered, this,
            [this, &guard](const QString& field) { guard.run([this, field] { m_pageModel.columnEntered(field); }); });
}

void PageGrid::clipboardCopy()
{
    m_pageModel.gridCopy(currentField());
}

void PageGrid::clipboardCut()
{
    m_pageModel.gridCut(currentField());
}

void PageGrid::clipboardPaste()
{
    m_pageModel.gridPaste(currentField());
}

} // namespace kelvora
