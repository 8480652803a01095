#pragma once

#include "core/settings/SettingKey.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kelvora {

// Where a setting is stored.
enum class SettingHome { Detail, Font, Key };

// What an absent (settings file) or empty (settings key) value becomes.
enum class SettingDefault {
    Text,  // the fixed text
    Today, // today as short-date text
    Held,  // the value already held (empty at start-up)
    LikeE5 // the value just read for E5
};

struct SettingDef
{
    QString name;
    SettingKey key;
    SettingHome home;
    SettingDefault kind;
    QString text;     // the default text; for settings key values, the default of an empty value
    QString fallback; // settings key only: the value after a failed read
};

// Every setting. Within each home the list is in reading order: section Detail
// and the settings key are read in exactly this order.
const std::vector<SettingDef>& settingCatalogue();
// The definition of `name` (any case); null when there is no such setting.
const SettingDef* findSetting(const QString& name);

const QStringList& detailWriteOrder();
const QStringList& keyWriteOrder();
// The settings whose empty value becomes "1" and which are read as whole numbers.
const QStringList& frequencyKeys();

// The two texts of the read-error fallbacks that only have to look like samples.
inline const QString kSampleTradingName = QStringLiteral("Marrowby Traders Pty Ltd  ACN 123 456 789");
inline const QString kSampleEmail = QStringLiteral("yourname@example.com");

} // namespace kelvora
