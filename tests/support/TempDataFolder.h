#pragma once

#include "core/app/MainModel.h"
#include "core/format/Regional.h"
#include "core/settings/AppFolders.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <memory>

namespace kelvora::test {

// A data folder and a per-user settings folder of their own, removed afterwards,
// and a main model on them whose clock stands still at `now`.
class TempDataFolder
{
public:
    static inline const QDateTime kNow{QDate(2026, 12, 11), QTime(9, 30, 0)};

    TempDataFolder()
    {
        qputenv("KELVORA_CONFIG_DIR", m_dir.filePath(QStringLiteral("config")).toUtf8());
    }

    AppFolders folders() const { return AppFolders::resolve(m_dir.filePath(QStringLiteral("data"))); }

    std::unique_ptr<MainModel> model(UserPort& port, const QDateTime& now = kNow) const
    {
        return std::make_unique<MainModel>(folders(), port, Regional::australian(), [now] { return now; });
    }

private:
    QTemporaryDir m_dir;
};

} // namespace kelvora::test
