#pragma once

#include "core/pages/GridColumn.h"
#include "core/pages/PageId.h"
#include "core/store/RefCounter.h"
#include "core/store/Schema.h"

#include <QList>
#include <QString>

namespace kelvora {

class Settings;

// The Expenses and Income pages are one page built twice; everything in which
// they differ is data here.
enum class LedgerKind { Expenses, Income };

struct LedgerTraits
{
    LedgerKind kind;
    TableId table;
    PageId page;
    RefCounter::Kind refKind;
    QString startOrder; // the view's order when it is opened
    // Control names and texts of the page.
    QString tab, caption, head, subHead, navigator, grid, notes;
    QList<GridColumn> (*columns)(const Settings& settings);
};

const LedgerTraits& ledgerTraits(LedgerKind kind);

} // namespace kelvora
