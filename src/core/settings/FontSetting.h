#pragma once

#include <QString>

namespace kelvora {

// The four fonts of the business particulars. Company and Others live in the
// settings file, OwnerName and Services in the settings key.
enum class FontRole { Company, Others, OwnerName, Services };

struct FontSetting
{
    // Style bits; only these four are kept.
    static constexpr int Bold = 1;
    static constexpr int Italic = 2;
    static constexpr int Underline = 4;
    static constexpr int StrikeOut = 8;
    static constexpr int StyleMask = 0xF;

    QString name;
    int size = 10;
    QString colour; // a colour text ("clBlue", "$00BBFFFF", decimal)
    int style = 0;

    bool operator==(const FontSetting&) const = default;
};

} // namespace kelvora
