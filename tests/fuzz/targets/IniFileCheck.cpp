#include "FuzzChecks.h"
#include "FuzzInput.h"

#include "core/base/KelvoraError.h"
#include "core/settings/IniFile.h"

#include <QFile>

#include <algorithm>

namespace kelvora::fuzz {

namespace {

struct Key
{
    const char* section;
    const char* name;
};

// Keys the program reads and writes, in both sections and in other spellings.
constexpr Key kKeys[] = {
    {"Detail", "Company"}, {"Detail", "ApplyRate"}, {"Detail", "Expense1"}, {"detail", "NAMESTR"},
    {"Font", "Name"},      {"Font", "Size"},        {"Detail", "Grad1Str"}, {"Other", "Key"},
};

QByteArray readBack(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// A settings file from anywhere, then one value the user typed written into it:
// a file that cannot be used is never overwritten; one that can keeps every
// other value through the write, and the typed value reads back as typed.
void checkIniFile(const QByteArray& input)
{
    FuzzInput in(input);
    const int changed = in.choose(int(std::size(kKeys)));
    const QString typed = in.textPart();
    const QByteArray fileBytes = in.rest();
    const QString path = scratchFile(QStringLiteral("Kelvora.Ini"));
    QFile::remove(path);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(fileBytes) != fileBytes.size())
            failed("ini_file", QStringLiteral("the scratch file could not be written"));
    }

    IniFile ini(path);
    if (ini.status() == IniFile::Status::Unreadable) {
        KELVORA_FUZZ_REQUIRE("ini_file", !ini.errorText().isEmpty(), QString());
        bool refused = false;
        try {
            ini.save();
        } catch (const KelvoraError&) {
            refused = true;
        }
        KELVORA_FUZZ_REQUIRE("ini_file", refused && readBack(path) == fileBytes, ini.errorText());
        return;
    }

    QStringList before;
    for (const Key& k : kKeys)
        before << ini.value(QString::fromLatin1(k.section), QString::fromLatin1(k.name), QStringLiteral("<absent>"));
    const QString section = QString::fromLatin1(kKeys[changed].section);
    const QString key = QString::fromLatin1(kKeys[changed].name);
    bool stored = true;
    try {
        ini.setValue(section, key, typed);
    } catch (const KelvoraError&) {
        stored = false;
        const bool control = std::any_of(typed.begin(), typed.end(), [](QChar c) {
            return c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\f');
        });
        KELVORA_FUZZ_REQUIRE("ini_file", control, typed);
    }
    ini.save();
    // A byte-order mark is dropped wherever a file starts, by the library too; a
    // file with U+FEFF in a name may start with it once written. No settings
    // file of ours does that, so only the write itself is checked there.
    if (fileBytes.contains("\xEF\xBB\xBF"))
        return;

    const IniFile again(path);
    KELVORA_FUZZ_REQUIRE("ini_file", again.status() == IniFile::Status::Loaded, again.errorText());
    for (int i = 0; i < int(std::size(kKeys)); ++i) {
        const QString s = QString::fromLatin1(kKeys[i].section);
        const QString k = QString::fromLatin1(kKeys[i].name);
        const bool sameKey = s.compare(section, Qt::CaseInsensitive) == 0 && k.compare(key, Qt::CaseInsensitive) == 0;
        const QString expected = stored && sameKey ? typed : before[i];
        const QString found = again.value(s, k, QStringLiteral("<absent>"));
        KELVORA_FUZZ_REQUIRE("ini_file", found == expected,
                             s + QLatin1Char('/') + k + QStringLiteral(": expected [") + expected +
                                 QStringLiteral("], found [") + found + QLatin1Char(']'));
    }
}

} // namespace kelvora::fuzz
