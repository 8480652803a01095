#include "core/settings/PasswordHash.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QStringList>

namespace kelvora {

namespace {

const QString kScheme = QStringLiteral("sha256");
constexpr int kSaltBytes = 16;

QByteArray digest(const QByteArray& salt, const QString& password)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(salt);
    hash.addData(password.toUtf8());
    return hash.result();
}

bool isHex(const QString& text, int length)
{
    if (text.size() != length)
        return false;
    for (const QChar c : text) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
            return false;
    }
    return true;
}

// Compares in time that does not depend on where the texts differ.
bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

} // namespace

QString hashPassword(const QString& password)
{
    quint32 words[kSaltBytes / 4];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray salt(reinterpret_cast<const char*>(words), kSaltBytes);
    return kScheme + QLatin1Char('$') + QString::fromLatin1(salt.toHex()) + QLatin1Char('$')
           + QString::fromLatin1(digest(salt, password).toHex());
}

bool isPasswordHash(const QString& stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    return parts.size() == 3 && parts[0] == kScheme && isHex(parts[1], 2 * kSaltBytes) && isHex(parts[2], 64);
}

bool passwordMatches(const QString& typed, const QString& stored)
{
    if (!isPasswordHash(stored))
        return sameBytes(typed.toUtf8(), stored.toUtf8());
    const QStringList parts = stored.split(QLatin1Char('$'));
    const QByteArray salt = QByteArray::fromHex(parts[1].toLatin1());
    return sameBytes(digest(salt, typed), QByteArray::fromHex(parts[2].toLatin1()));
}

} // namespace kelvora
