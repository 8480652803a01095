#pragma once

#include "core/settings/FontSetting.h"
#include "core/settings/SettingKey.h"

#include <QList>
#include <QString>

#include <optional>

namespace kelvora {

// One box of the owner's business particulars on the Office page: the control,
// its label and hint, the setting that holds its text, and the font it shows.
struct OfficeBox
{
    QString control;
    QString label;
    QString hint;
    SettingKey key;
    std::optional<FontRole> font; // none: the page's plain font
    bool wide = false;             // names and long texts get a wider box
    bool scalesWithWindow = false; // widened and narrowed with the window
};

// The boxes in page order. The page, the settings and the business cards all
// read this one table.
const QList<OfficeBox>& officeParticulars();
const OfficeBox* findOfficeBox(const QString& control);

} // namespace kelvora
