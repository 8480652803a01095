#include "core/settings/ColourScheme.h"

#include "core/format/ColourText.h"
#include "core/settings/Settings.h"

namespace kelvora {

ColourScheme ColourScheme::fromSettings(const Settings& settings)
{
    const ColourScheme defaults;
    const auto read = [&settings](SettingKey key, quint32 fallback) {
        return parseColourText(settings.value(key)).value_or(fallback);
    };
    ColourScheme scheme;
    scheme.bandStart = read(SettingKey::Grad1Str, defaults.bandStart);
    scheme.bandEnd = read(SettingKey::Grad2Str, defaults.bandEnd);
    scheme.input = read(SettingKey::Grad3Str, defaults.input);
    scheme.oddRow = read(SettingKey::Grad4Str, defaults.oddRow);
    scheme.highlight = read(SettingKey::StartColStr, defaults.highlight);
    return scheme;
}

} // namespace kelvora
