#include "FuzzChecks.h"

#include "core/settings/ListFile.h"

#include <QFile>

namespace kelvora::fuzz {

// A to-do or important list from any earlier installation: the text read is the
// text written back and read again, and UTF-8 text reads as exactly its bytes.
void checkListFile(const QByteArray& input)
{
    const QString path = scratchFile(QStringLiteral("ToDo.Txt"));
    const QString copy = scratchFile(QStringLiteral("Impt.Txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(input) != input.size())
            failed("list_file", QStringLiteral("the scratch file could not be written"));
    }
    const QString text = ListFile::load(path);
    QByteArray utf8 = input.startsWith("\xEF\xBB\xBF") ? input.mid(3) : input;
    const QString strict = QString::fromUtf8(utf8);
    if (strict.toUtf8() == utf8)
        KELVORA_FUZZ_REQUIRE("list_file", text == strict, QString::fromLatin1(input.toHex()));
    ListFile::save(copy, text);
    KELVORA_FUZZ_REQUIRE("list_file", ListFile::load(copy) == text, QString::fromLatin1(input.toHex()));
}

} // namespace kelvora::fuzz
