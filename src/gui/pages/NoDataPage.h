#pragma once

#include "gui/pages/PageBase.h"

namespace kelvora {

// Stands in for a page that shows records when the database could not be
// opened, so the owner's particulars can still be read and saved.
class NoDataPage : public PageBase
{
    Q_OBJECT
public:
    NoDataPage(PageId id, const QString& objectName, HandlerGuard& guard, QWidget* parent = nullptr);
};

} // namespace kelvora
