#pragma once

#include <QString>

namespace kelvora {

// The start-up password is kept as "sha256$<salt hex>$<hash hex>": SHA-256 over
// a random 16-byte salt followed by the password's UTF-8 bytes. The settings key
// never holds the password itself.

// A new salted hash of `password` (a fresh salt every call).
QString hashPassword(const QString& password);
// True when `stored` has the form hashPassword() produces.
bool isPasswordHash(const QString& stored);
// True when `typed` is the password `stored` was made from. A stored text that
// is not a hash is a password kept in plain text by an older version and is
// compared as it is.
bool passwordMatches(const QString& typed, const QString& stored);

} // namespace kelvora
