#pragma once

#include <QtGlobal>

namespace kelvora::test {

// A SQLite VFS for tests: the real one of the platform underneath, with faults
// a test can switch on - a disk that fills up, a file another program holds, a
// process that dies between two writes. Installed as the default VFS, so every
// connection opened afterwards goes through it (the program's own through Qt's
// driver too, which uses the same SQLite library).
class FaultVfs
{
public:
    // Registers it once per process; later calls return the same one.
    static FaultVfs& install();

    // A healthy disk and no other program again.
    void heal();
    // Writes fail with "database or disk is full" once `bytes` more bytes have
    // been written (0: the very next write).
    void fillDiskAfter(qint64 bytes);
    // Taking the write lock gives SQLITE_BUSY, as when another program is
    // writing the file.
    void setBusy(bool busy);
    // Ends the process with SIGKILL just before the `n`th write, truncate or
    // sync from now on (1: the next one), of any file of any connection.
    void killAtWrite(int n);

    // Writes, truncates and syncs since installing.
    int writeCount() const;

private:
    FaultVfs() = default;
};

} // namespace kelvora::test
