#pragma once

#include "gui/widgets/GridColumn.h"

#include <QList>

namespace kelvora {

class Settings;

// The columns of the four grids in their starting order, with titles taken from
// the settings where the user names a column.
namespace pagecolumns {
QList<GridColumn> names(const Settings& settings);
QList<GridColumn> expenses(const Settings& settings);
QList<GridColumn> income(const Settings& settings);
QList<GridColumn> diary();
} // namespace pagecolumns

} // namespace kelvora
