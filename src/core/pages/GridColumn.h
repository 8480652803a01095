#pragma once

#include <QString>

namespace kelvora {

// One column of a data grid: the field it shows, its title, its width in
// pixels, and whether its text is grey (fields the program fills in itself).
struct GridColumn
{
    QString field;
    QString title;
    int width = 64;
    bool greyText = false;
};

} // namespace kelvora
