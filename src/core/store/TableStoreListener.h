#pragma once

#include <QtGlobal>

namespace kelvora {

// Told by a table store about changes made through another view of the same
// table, so every view over it stays consistent.
class TableStoreListener
{
public:
    virtual ~TableStoreListener() = default;
    virtual void storeRowChanged(quint32 slot) = 0;
    virtual void storeRowRemoved(quint32 slot) = 0;
    // The whole table is about to be read again, and was: every slot is new.
    virtual void storeAboutToReload() = 0;
    virtual void storeReloaded() = 0;
};

} // namespace kelvora
