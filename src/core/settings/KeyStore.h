#pragma once

#include <QString>

namespace kelvora {

// The per-user settings key: named string values. Settings reads and writes it
// through this interface, so the sequences that depend on where a failure
// happens can be exercised with a store that fails on purpose.
class KeyStore
{
public:
    virtual ~KeyStore() = default;

    // The value, or the empty text when it is absent. Raises KelvoraError when
    // the key cannot be read.
    virtual QString readValue(const QString& name) = 0;
    // Stores one value for the next commit(). Raises KelvoraError when the
    // value cannot be stored.
    virtual void writeValue(const QString& name, const QString& value) = 0;
    // Makes every value written so far durable. Raises KelvoraError on failure.
    virtual void commit() = 0;
};

} // namespace kelvora
