#pragma once

#include <QString>

namespace kelvora::bench {

// How big a generated data folder is.
struct DataFolderSpec
{
    int expenses = 100000;
    int income = 20000;
    int clients = 3000;
    int diaryDays = 1500;
    quint32 seed = 20240105;
};

// Writes a believable Kelvora data folder: Kelvora.db made by the program, then
// filled with ledger records over ten years (a few businesses, repeat suppliers,
// GST splits, period and year codes, some NULLs), clients with Australian and
// non-ASCII names, and diary days. The same spec gives the same file.
class DataFolderGenerator
{
public:
    // Returns the path of the database; the folder is created when missing.
    static QString generate(const QString& folder, const DataFolderSpec& spec);
};

} // namespace kelvora::bench
