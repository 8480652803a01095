// The in-memory store against what it replaces: reading the expense table into
// the store against a bare sqlite3 scan of the same rows, ordering a view of it
// against std::stable_sort of an index with a plain comparator, filtering it,
// and what the store holds in memory against the size of the file.

#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/DataFolderGenerator.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

using namespace kelvora;

namespace {

constexpr int kExpenses = 100000;
const QString kOrder = QStringLiteral("Date;Bus;Expense;Supplier;Invoice");

// One data folder for the whole run.
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

void BM_LoadExpenseStore(benchmark::State& state)
{
    Database db(dataFile());
    for (auto _ : state) {
        db.reload(TableId::Expense);
        benchmark::DoNotOptimize(db.store(TableId::Expense).liveCount());
    }
    state.SetItemsProcessed(state.iterations() * kExpenses);
}

// The floor: every value of every row fetched through the C API and touched.
void BM_LoadExpenseRawScan(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(dataFile().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM Expense", -1, &statement, nullptr);
        const int columns = sqlite3_column_count(statement);
        quint64 sum = 0;
        int rows = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            ++rows;
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(statement, c)) {
                case SQLITE_INTEGER:
                    sum += quint64(sqlite3_column_int64(statement, c));
                    break;
                case SQLITE_FLOAT:
                    sum += quint64(sqlite3_column_double(statement, c));
                    break;
                case SQLITE_TEXT: {
                    const unsigned char* text = sqlite3_column_text(statement, c);
                    sum += quint64(sqlite3_column_bytes(statement, c)) + (text ? text[0] : 0);
                    break;
                }
                case SQLITE_BLOB:
                    sum += quint64(sqlite3_column_bytes(statement, c));
                    break;
                default:
                    break;
                }
            }
        }
        sqlite3_finalize(statement);
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(rows);
    }
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * kExpenses);
}

void BM_OrderExpenseView(benchmark::State& state)
{
    Database db(dataFile());
    View view(db, TableId::Expense);
    for (auto _ : state) {
        state.PauseTiming();
        view.setOrder(QString());
        state.ResumeTiming();
        view.setOrder(kOrder);
        benchmark::DoNotOptimize(view.currentRow());
    }
    state.SetItemsProcessed(state.iterations() * kExpenses);
}

// The selection bar's contains filter on three fields of the ordered view.
void BM_FilterExpenseView(benchmark::State& state)
{
    Database db(dataFile());
    View view(db, TableId::Expense);
    view.setOrder(kOrder);
    const Selection selections[] = {Selection::contains(QStringLiteral("Supplier"), QStringLiteral("söhne")),
                                    Selection::contains(QStringLiteral("Expense"), QStringLiteral("fuel")),
                                    Selection::like(QStringLiteral("Date"), QStringLiteral("2019-0%")),
                                    Selection::compare(QStringLiteral("Bank"), Selection::Comparison::Greater,
                                                       Value::real(1000.0))};
    int shown = 0;
    for (auto _ : state) {
        for (const Selection& selection : selections) {
            view.setSelection(selection);
            shown += view.rowCount();
        }
    }
    benchmark::DoNotOptimize(shown);
    state.SetItemsProcessed(state.iterations() * kExpenses * 4);
}

// Bytes the process has allocated and not freed, as the C library counts them
// (the store allocates through malloc, realloc and aligned_alloc alike).
double allocatedNow()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

// What the main window does with the store when it opens: all four tables
// read, each view put in its order, the ledgers ordered by Ref for their
// highest number and back by Date. The counters give what the four tables
// hold once read, and with their views, against the size of the file.
void BM_OpenAsMainWindow(benchmark::State& state)
{
    double stores = 0;
    double withViews = 0;
    for (auto _ : state) {
        Database db(dataFile());
        const double before = allocatedNow();
        for (TableId t : {TableId::Diary, TableId::Names, TableId::Expense, TableId::Income})
            db.store(t);
        stores = allocatedNow() - before;
        View diary(db, TableId::Diary);
        View names(db, TableId::Names);
        View expend(db, TableId::Expense);
        View income(db, TableId::Income);
        diary.setOrder(QStringLiteral("Date"));
        names.setOrder(QStringLiteral("Surname;FirstName;Company;EntryDate"));
        expend.setOrder(kOrder);
        income.setOrder(QStringLiteral("Date;Bus;Incom;Sourc;Ref"));
        for (View* ledger : {&expend, &income, &names}) {
            ledger->setOrder(QStringLiteral("Ref"));
            ledger->last();
            benchmark::DoNotOptimize(ledger->asInteger(u"Ref"));
            ledger->setOrder(ledger == &names ? QStringLiteral("Surname") : QStringLiteral("Date"));
        }
        withViews = allocatedNow() - before;
    }
    const double file = double(QFileInfo(dataFile()).size());
    state.counters["file_MB"] = file / 1e6;
    state.counters["store_MB"] = stores / 1e6;
    state.counters["store_per_file"] = stores / file;
    state.counters["with_views_per_file"] = withViews / file;
}

// The same five fields as plain strings, NULL as an empty optional, compared
// NULL first and with ASCII letters folded: what a hand-written sort would do.
void BM_OrderPlainStableSort(benchmark::State& state)
{
    using Field = std::optional<std::string>;
    std::vector<std::array<Field, 5>> rows;
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2(dataFile().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "SELECT Date, Bus, Expense, Supplier, Invoice FROM Expense", -1, &statement,
                           nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::array<Field, 5> row;
            for (int c = 0; c < 5; ++c) {
                if (sqlite3_column_type(statement, c) != SQLITE_NULL)
                    row[size_t(c)] =
                        std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, c)),
                                    size_t(sqlite3_column_bytes(statement, c)));
            }
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(statement);
        sqlite3_close(db);
    }
    const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : int(c); };
    const auto less = [&](size_t a, size_t b) {
        for (size_t f = 0; f < 5; ++f) {
            const Field& x = rows[a][f];
            const Field& y = rows[b][f];
            if (!x || !y) {
                if (x.has_value() != y.has_value())
                    return !x.has_value();
                continue;
            }
            const size_t n = std::min(x->size(), y->size());
            for (size_t i = 0; i < n; ++i) {
                const int d =
                    fold(static_cast<unsigned char>((*x)[i])) - fold(static_cast<unsigned char>((*y)[i]));
                if (d != 0)
                    return d < 0;
            }
            if (x->size() != y->size())
                return x->size() < y->size();
        }
        return false;
    };
    for (auto _ : state) {
        std::vector<size_t> index(rows.size());
        std::iota(index.begin(), index.end(), size_t(0));
        std::stable_sort(index.begin(), index.end(), less);
        benchmark::DoNotOptimize(index.data());
    }
    state.SetItemsProcessed(state.iterations() * kExpenses);
}

} // namespace

BENCHMARK(BM_LoadExpenseStore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadExpenseRawScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrderExpenseView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrderPlainStableSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterExpenseView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAsMainWindow)->Unit(benchmark::kMillisecond);

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
