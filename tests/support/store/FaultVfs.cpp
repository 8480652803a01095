#include "support/store/FaultVfs.h"

#include <sqlite3.h>

#include <atomic>
#include <csignal>
#include <cstring>
#include <stdexcept>

namespace kelvora::test {

namespace {

std::atomic<qint64> diskLeft{-1}; // -1: no limit
std::atomic<bool> busy{false};
std::atomic<int> killCountdown{0}; // 0: never
std::atomic<int> writes{0};

sqlite3_vfs* realVfs = nullptr;

// Our part of an open file; the real VFS's file follows it in the same block.
struct FaultFile
{
    sqlite3_file base;
    sqlite3_file* real;
};

sqlite3_file* real(sqlite3_file* file)
{
    return reinterpret_cast<FaultFile*>(file)->real;
}

void countWrite()
{
    ++writes;
    const int left = killCountdown.load();
    if (left > 0 && killCountdown.fetch_sub(1) == 1)
        std::raise(SIGKILL);
}

int xClose(sqlite3_file* f)
{
    return real(f)->pMethods->xClose(real(f));
}
int xRead(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset)
{
    return real(f)->pMethods->xRead(real(f), buffer, amount, offset);
}
int xWrite(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset)
{
    countWrite();
    qint64 left = diskLeft.load();
    while (left >= 0) {
        if (left < amount) {
            diskLeft.store(0);
            return SQLITE_FULL;
        }
        if (diskLeft.compare_exchange_weak(left, left - amount))
            break;
    }
    return real(f)->pMethods->xWrite(real(f), buffer, amount, offset);
}
int xTruncate(sqlite3_file* f, sqlite3_int64 size)
{
    countWrite();
    return real(f)->pMethods->xTruncate(real(f), size);
}
int xSync(sqlite3_file* f, int flags)
{
    countWrite();
    return real(f)->pMethods->xSync(real(f), flags);
}
int xFileSize(sqlite3_file* f, sqlite3_int64* size)
{
    return real(f)->pMethods->xFileSize(real(f), size);
}
int xLock(sqlite3_file* f, int level)
{
    if (busy && level > SQLITE_LOCK_SHARED)
        return SQLITE_BUSY;
    return real(f)->pMethods->xLock(real(f), level);
}
int xUnlock(sqlite3_file* f, int level)
{
    return real(f)->pMethods->xUnlock(real(f), level);
}
int xCheckReservedLock(sqlite3_file* f, int* out)
{
    return real(f)->pMethods->xCheckReservedLock(real(f), out);
}
int xFileControl(sqlite3_file* f, int op, void* arg)
{
    return real(f)->pMethods->xFileControl(real(f), op, arg);
}
int xSectorSize(sqlite3_file* f)
{
    return real(f)->pMethods->xSectorSize(real(f));
}
int xDeviceCharacteristics(sqlite3_file* f)
{
    return real(f)->pMethods->xDeviceCharacteristics(real(f));
}
int xShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out)
{
    return real(f)->pMethods->xShmMap(real(f), region, size, extend, out);
}
int xShmLock(sqlite3_file* f, int offset, int n, int flags)
{
    // In WAL mode the writer's lock is a lock on the shared memory.
    if (busy && (flags & SQLITE_SHM_LOCK) && (flags & SQLITE_SHM_EXCLUSIVE))
        return SQLITE_BUSY;
    return real(f)->pMethods->xShmLock(real(f), offset, n, flags);
}
void xShmBarrier(sqlite3_file* f)
{
    real(f)->pMethods->xShmBarrier(real(f));
}
int xShmUnmap(sqlite3_file* f, int deleteFlag)
{
    return real(f)->pMethods->xShmUnmap(real(f), deleteFlag);
}
int xFetch(sqlite3_file* f, sqlite3_int64 offset, int amount, void** out)
{
    return real(f)->pMethods->xFetch(real(f), offset, amount, out);
}
int xUnfetch(sqlite3_file* f, sqlite3_int64 offset, void* page)
{
    return real(f)->pMethods->xUnfetch(real(f), offset, page);
}

const sqlite3_io_methods faultMethods = {
    3,         xClose,      xRead,  xWrite,       xTruncate,    xSync,      xFileSize, xLock, xUnlock,
    xCheckReservedLock,     xFileControl,         xSectorSize,  xDeviceCharacteristics, xShmMap,
    xShmLock,  xShmBarrier, xShmUnmap,            xFetch,       xUnfetch,
};

int vfsOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags)
{
    auto* ours = reinterpret_cast<FaultFile*>(file);
    ours->real = reinterpret_cast<sqlite3_file*>(ours + 1);
    ours->base.pMethods = nullptr;
    const int rc = realVfs->xOpen(realVfs, name, ours->real, flags, outFlags);
    // Without methods SQLite never calls xClose, as the real file wants it.
    if (rc == SQLITE_OK && ours->real->pMethods)
        ours->base.pMethods = &faultMethods;
    return rc;
}
int vfsDelete(sqlite3_vfs*, const char* name, int syncDir)
{
    return realVfs->xDelete(realVfs, name, syncDir);
}
int vfsAccess(sqlite3_vfs*, const char* name, int flags, int* out)
{
    return realVfs->xAccess(realVfs, name, flags, out);
}
int vfsFullPathname(sqlite3_vfs*, const char* name, int size, char* out)
{
    return realVfs->xFullPathname(realVfs, name, size, out);
}
void* vfsDlOpen(sqlite3_vfs*, const char* name)
{
    return realVfs->xDlOpen(realVfs, name);
}
void vfsDlError(sqlite3_vfs*, int size, char* out)
{
    realVfs->xDlError(realVfs, size, out);
}
void (*vfsDlSym(sqlite3_vfs*, void* handle, const char* symbol))(void)
{
    return realVfs->xDlSym(realVfs, handle, symbol);
}
void vfsDlClose(sqlite3_vfs*, void* handle)
{
    realVfs->xDlClose(realVfs, handle);
}
int vfsRandomness(sqlite3_vfs*, int size, char* out)
{
    return realVfs->xRandomness(realVfs, size, out);
}
int vfsSleep(sqlite3_vfs*, int microseconds)
{
    return realVfs->xSleep(realVfs, microseconds);
}
int vfsCurrentTime(sqlite3_vfs*, double* out)
{
    return realVfs->xCurrentTime(realVfs, out);
}
int vfsGetLastError(sqlite3_vfs*, int size, char* out)
{
    return realVfs->xGetLastError(realVfs, size, out);
}
int vfsCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* out)
{
    return realVfs->xCurrentTimeInt64(realVfs, out);
}

sqlite3_vfs faultVfs;

} // namespace

FaultVfs& FaultVfs::install()
{
    static FaultVfs* instance = [] {
        sqlite3_initialize();
        realVfs = sqlite3_vfs_find(nullptr);
        if (!realVfs || realVfs->iVersion < 2)
            throw std::runtime_error("no SQLite VFS to wrap");
        std::memset(&faultVfs, 0, sizeof faultVfs);
        faultVfs.iVersion = 2;
        faultVfs.szOsFile = int(sizeof(FaultFile)) + realVfs->szOsFile;
        faultVfs.mxPathname = realVfs->mxPathname;
        faultVfs.zName = "kelvora-fault";
        faultVfs.xOpen = vfsOpen;
        faultVfs.xDelete = vfsDelete;
        faultVfs.xAccess = vfsAccess;
        faultVfs.xFullPathname = vfsFullPathname;
        faultVfs.xDlOpen = vfsDlOpen;
        faultVfs.xDlError = vfsDlError;
        faultVfs.xDlSym = vfsDlSym;
        faultVfs.xDlClose = vfsDlClose;
        faultVfs.xRandomness = vfsRandomness;
        faultVfs.xSleep = vfsSleep;
        faultVfs.xCurrentTime = vfsCurrentTime;
        faultVfs.xGetLastError = vfsGetLastError;
        faultVfs.xCurrentTimeInt64 = vfsCurrentTimeInt64;
        if (sqlite3_vfs_register(&faultVfs, 1) != SQLITE_OK)
            throw std::runtime_error("the fault VFS could not be registered");
        return new FaultVfs;
    }();
    return *instance;
}

void FaultVfs::heal()
{
    diskLeft = -1;
    busy = false;
    killCountdown = 0;
}

void FaultVfs::fillDiskAfter(qint64 bytes)
{
    diskLeft = bytes;
}

void FaultVfs::setBusy(bool value)
{
    busy = value;
}

void FaultVfs::killAtWrite(int n)
{
    killCountdown = n;
}

int FaultVfs::writeCount() const
{
    return writes;
}

} // namespace kelvora::test
