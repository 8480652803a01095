#pragma once

#include "core/pages/PageContext.h"
#include "core/settings/ListText.h"

#include <QString>

namespace kelvora {

struct OfficeBox;

// The Office page without its widgets: the owner's particulars (each box a
// held setting) and the important list.
class OfficeModel
{
public:
    OfficeModel(PageContext context, ListText& important);

    QString heading() const; // LocalHead
    QString boxText(const OfficeBox& box) const;
    void setBoxText(const OfficeBox& box, const QString& text);
    ListText& important() { return m_important; }
    // ImptDblClick: the date and time appended to the important list.
    void ImptDblClick();

private:
    PageContext m_context;
    ListText& m_important;
};

} // namespace kelvora
