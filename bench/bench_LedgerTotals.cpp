// The Sum button over 100,000 expenses against SQLite's own aggregate of the same
// twelve fields, and against a plain loop over twelve vectors of doubles.

#include "core/ledger/LedgerKind.h"
#include "core/ledger/LedgerTotals.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/DataFolderGenerator.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <random>
#include <vector>

using namespace kelvora;

namespace {

constexpr int kExpenses = 100000;

const QString& dataFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        bench::DataFolderSpec spec;
        spec.expenses = kExpenses;
        return bench::DataFolderGenerator::generate(dir.path(), spec);
    }();
    return path;
}

void BM_SumExpenseView(benchmark::State& state)
{
    Database db(dataFile());
    View view(db, TableId::Expense);
    const LedgerTraits& traits = ledgerTraits(LedgerKind::Expenses);
    for (auto _ : state) {
        const LedgerTotals totals = LedgerTotals::of(view, traits);
        benchmark::DoNotOptimize(totals.total);
    }
    state.SetItemsProcessed(state.iterations() * kExpenses);
}

void BM_SumSqliteAggregate(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(dataFile().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const char* sql = "SELECT COUNT(*), SUM(Tax), SUM(Bank), SUM(Office), SUM(Other), SUM(Phone), SUM(F1), SUM(F2), "
                      "SUM(F3), SUM(F4), SUM(F5), SUM(F6), SUM(F7) FROM Expense";
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        double total = 0;
        if (sqlite3_step(statement) == SQLITE_ROW)
            for (int c = 1; c < 13; ++c)
                total += sqlite3_column_double(statement, c);
        sqlite3_finalize(statement);
        benchmark::DoNotOptimize(total);
    }
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * kExpenses);
}

void BM_SumPlainVectors(benchmark::State& state)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> amount(0.0, 500.0);
    std::vector<std::vector<double>> columns(12, std::vector<double>(kExpenses));
    for (auto& column : columns)
        for (double& v : column)
            v = amount(random);
    for (auto _ : state) {
        std::vector<double> sums(12, 0.0);
        for (int row = 0; row < kExpenses; ++row)
            for (size_t c = 0; c < 12; ++c)
                sums[c] += columns[c][size_t(row)];
        benchmark::DoNotOptimize(sums.data());
    }
    state.SetItemsProcessed(state.iterations() * kExpenses);
}

} // namespace

BENCHMARK(BM_SumExpenseView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SumSqliteAggregate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SumPlainVectors)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    dataFile();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
