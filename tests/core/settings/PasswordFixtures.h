#pragma once

#include <QString>

namespace kelvora::test {

// Stored start-up passwords made once, outside the program: by libsodium's
// crypto_pwhash_str (crypto_pwhash_argon2i_str for the Argon2i one) with the
// limits shown in each, and by SHA-256 over the salt bytes followed by the
// UTF-8 password.
const QString kAccented = QString::fromUtf8("Sécret 1");

const QString kArgonSecret =
    QStringLiteral("$argon2id$v=19$m=65536,t=2,p=1$0TsBvpl0YHl7N+UOfn90kw$4Lsdp+vufs0520yx8kiRgG0q4BlLC0HvbEoYp3s9IOI");
const QString kArgonAccented =
    QStringLiteral("$argon2id$v=19$m=65536,t=2,p=1$h0VYgHevQFXE79MD1ojaeg$auVBIhJdONodI0zmkXZ+4TrYR8b4iUkAofF7hNOWr04");
const QString kArgonSecretWeak =
    QStringLiteral("$argon2id$v=19$m=8,t=1,p=1$+pS4+4DM6b8VdZH9LdfQ3g$r7PAOYIekOMJons/8JEqao/NSgfu7eOaraUoqoT3Nvo");
const QString kArgonSecretHeavy =
    QStringLiteral("$argon2id$v=19$m=262144,t=3,p=1$dNLUXchJ8vI6dJgPkQN4mg$eJAf/2X7TeYOMROtxKEo8ClzrudedE5M7n9XClEy6aU");
const QString kArgon2iSecret =
    QStringLiteral("$argon2i$v=19$m=8,t=3,p=1$hqvO+MeNUoaK/PPpny/WsA$/+ma/2AeQEvyp2pWSur3d+rf6B3jTUf7h1dr3aOJrwU");
const QString kShaSecret = QStringLiteral(
    "sha256$0f1e2d3c4b5a69788796a5b4c3d2e1f0$587433fbcb379078229578a550e53379413f0fb9664a6648ac2dfde6a8c0cfae");
const QString kShaAccented = QStringLiteral(
    "sha256$00112233445566778899aabbccddeeff$59fd86307bfe2c5311adb2c7d375371242558da00d00ebcb80295155c5c992b1");

// The start of every hash the program makes now.
const QString kCurrentArgonPrefix = QStringLiteral("$argon2id$v=19$m=65536,t=2,p=1$");

} // namespace kelvora::test
