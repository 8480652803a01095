#include "core/settings/PasswordHash.h"

#include "core/base/KelvoraError.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QRegularExpression>
#include <QStringList>

#include <sodium.h>

namespace kelvora {

namespace {

const QString kSha256Tag = QStringLiteral("sha256$");
// Every Argon2 variant starts so; only Argon2id is ever written.
const QString kArgon2Tag = QStringLiteral("$argon2");
constexpr int kSaltBytes = 16;

constexpr unsigned long long kOpsLimit = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr size_t kMemLimit = crypto_pwhash_MEMLIMIT_INTERACTIVE;

// The library must be initialised once before any other call.
void ensureSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw KelvoraError(QStringLiteral("The password library could not be started."));
}

bool isLowerHex(const QString& text, int length)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]*$"));
    return text.size() == length && hex.match(text).hasMatch();
}

bool isSha256Form(const QString& stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    return parts.size() == 3 && parts[0] + QLatin1Char('$') == kSha256Tag && isLowerHex(parts[1], 2 * kSaltBytes)
           && isLowerHex(parts[2], 64);
}

// The form libsodium writes, with limits no higher than ours: a value asking for
// more memory or passes than the program ever uses was not made by it, and
// checking it could hold up start-up for minutes or exhaust memory.
bool isArgon2idForm(const QString& stored)
{
    static const QRegularExpression form(QStringLiteral(
        "^\\$argon2id\\$v=19\\$m=([0-9]{1,10}),t=([0-9]{1,10}),p=1\\$[A-Za-z0-9+/]{11,}\\$[A-Za-z0-9+/]{16,}$"));
    if (stored.size() >= int(crypto_pwhash_STRBYTES))
        return false;
    const QRegularExpressionMatch m = form.match(stored);
    if (!m.hasMatch())
        return false;
    const qulonglong kib = m.captured(1).toULongLong();
    const qulonglong passes = m.captured(2).toULongLong();
    return kib >= 1 && kib <= kMemLimit / 1024 && passes >= 1 && passes <= kOpsLimit;
}

QByteArray sha256(const QByteArray& salt, const QByteArray& password)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(salt);
    hash.addData(password);
    return hash.result();
}

// A fixed-length digest, so that comparing two of them tells nothing of the
// texts' lengths either.
QByteArray blake2b(const QByteArray& text)
{
    QByteArray out(crypto_generichash_BYTES, '\0');
    crypto_generichash(reinterpret_cast<unsigned char*>(out.data()), size_t(out.size()),
                       reinterpret_cast<const unsigned char*>(text.constData()), size_t(text.size()), nullptr, 0);
    return out;
}

bool sameDigest(const QByteArray& a, const QByteArray& b)
{
    return a.size() == b.size() && sodium_memcmp(a.constData(), b.constData(), size_t(a.size())) == 0;
}

} // namespace

PasswordForm passwordForm(const QString& stored)
{
    if (stored.isEmpty())
        return PasswordForm::None;
    if (stored.startsWith(kArgon2Tag))
        return isArgon2idForm(stored) ? PasswordForm::Argon2id : PasswordForm::Unreadable;
    if (stored.startsWith(kSha256Tag))
        return isSha256Form(stored) ? PasswordForm::Sha256 : PasswordForm::Unreadable;
    return PasswordForm::Plain;
}

QString hashPassword(const QString& password)
{
    ensureSodium();
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), size_t(bytes.size()), kOpsLimit, kMemLimit) != 0)
        throw KelvoraError(QStringLiteral("The password could not be stored: there is not enough memory to hash it."));
    return QString::fromLatin1(out);
}

bool passwordMatches(const QString& typed, const QString& stored)
{
    ensureSodium();
    const QByteArray bytes = typed.toUtf8();
    switch (passwordForm(stored)) {
    case PasswordForm::None:
    case PasswordForm::Unreadable:
        return false;
    case PasswordForm::Plain:
        return sameDigest(blake2b(bytes), blake2b(stored.toUtf8()));
    case PasswordForm::Sha256: {
        const QStringList parts = stored.split(QLatin1Char('$'));
        const QByteArray salt = QByteArray::fromHex(parts[1].toLatin1());
        return sameDigest(sha256(salt, bytes), QByteArray::fromHex(parts[2].toLatin1()));
    }
    case PasswordForm::Argon2id:
        return crypto_pwhash_str_verify(stored.toLatin1().constData(), bytes.constData(), size_t(bytes.size())) == 0;
    }
    return false;
}

bool passwordNeedsRehash(const QString& stored)
{
    switch (passwordForm(stored)) {
    case PasswordForm::Plain:
    case PasswordForm::Sha256:
        return true;
    case PasswordForm::Argon2id:
        ensureSodium();
        return crypto_pwhash_str_needs_rehash(stored.toLatin1().constData(), kOpsLimit, kMemLimit) != 0;
    case PasswordForm::None:
    case PasswordForm::Unreadable:
        break;
    }
    return false;
}

} // namespace kelvora
