#include "core/settings/StoredText.h"

#include "core/base/KelvoraError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace kelvora {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five bytes the code
// page leaves undefined keep their Latin-1 (C1) value, as Windows itself maps them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

} // namespace

QString decodeStoredText(const QByteArray& bytes, bool* wasUtf8)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    const bool utf8 = !decoder.hasError();
    if (wasUtf8)
        *wasUtf8 = utf8;
    return utf8 ? decoded : decodeCp1252(bytes);
}

bool readStoredFile(const QString& path, QByteArray* bytes, QString* error)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        *bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    *error = file.errorString();
    bytes->clear();
    return false;
}

void writeStoredFile(const QString& path, const QByteArray& bytes)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw KelvoraError(QStringLiteral("%1 could not be written: the folder %2 could not be created.")
                               .arg(shown, QDir::toNativeSeparators(folder)));
    // decodeStoredText() drops a leading byte-order mark, so text that itself
    // begins with U+FEFF gets a mark of its own in front, or it would lose it.
    const QByteArray bom("\xEF\xBB\xBF");
    const QByteArray content = bytes.startsWith(bom) ? bom + bytes : bytes;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        throw KelvoraError(QStringLiteral("%1 could not be written: %2.").arg(shown, file.errorString()));
}

} // namespace kelvora
