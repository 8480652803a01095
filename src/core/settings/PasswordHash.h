#pragma once

#include <QString>

namespace kelvora {

// The start-up password is kept in libsodium's Argon2id string form
// ("$argon2id$v=19$m=...,t=...,p=1$<salt>$<hash>"), which carries its own salt
// and limits. Earlier versions kept "sha256$<salt hex>$<hash hex>" (SHA-256 over
// a 16-byte salt and the password's UTF-8 bytes) or, before that, the password
// itself; both are still recognised so that their owners can start the program
// and have the value replaced.

enum class PasswordForm
{
    None,      // empty: no password is set
    Plain,     // the password itself, from an older settings key
    Sha256,    // "sha256$<32 hex>$<64 hex>"
    Argon2id,  // libsodium's string form, with limits no higher than the program's own
    Unreadable // marked as a hash but not one this program can check: never matches
};

PasswordForm passwordForm(const QString& stored);

// A new Argon2id string of `password` with the library's interactive limits (a
// fresh salt every call). Raises KelvoraError when the library cannot make one
// (out of memory): the caller must not fall back to a weaker form.
QString hashPassword(const QString& password);

// True when `typed` is the password `stored` was made from. Takes about as long
// whatever the typed text, and a few tenths of a second for an Argon2id value:
// callers on the user's thread show the busy pointer around it.
bool passwordMatches(const QString& typed, const QString& stored);

// True when a matching password should be stored again: it is plain, SHA-256,
// or Argon2id with limits other than the program's.
bool passwordNeedsRehash(const QString& stored);

} // namespace kelvora
