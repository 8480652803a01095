#pragma once

#include "core/pages/GridColumn.h"

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
// Proportional resize of a column or box: width * newWidth / referenceWidth,
// halves away from zero; the width itself while there is no reference yet.
int scaledWidth(int width, int newWidth, int referenceWidth);
} // namespace pagecolumns

} // namespace kelvora
