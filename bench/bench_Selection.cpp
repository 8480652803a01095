// The selection bar of the Expenses page on 100,000 (and 500,000) expenses: one
// filter keystroke with its twelve totals and a replay of typing, against a
// plain loop doing the same case-insensitive substring test and sums; a title
// click against std::stable_sort of an index; tagging every record shown.

#include "core/interaction/UnattendedUserPort.h"
#include "core/ledger/LedgerKind.h"
#include "core/ledger/LedgerModel.h"
#include "core/settings/Settings.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/DataFolderGenerator.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>
#include <numeric>
#include <vector>

using namespace kelvora;

namespace {

const QString& dataFile(int expenses)
{
    static QTemporaryDir dir;
    static std::map<int, QString> paths;
    auto it = paths.find(expenses);
    if (it == paths.end()) {
        bench::DataFolderSpec spec;
        spec.expenses = expenses;
        spec.income = 100;
        spec.clients = 100;
        spec.diaryDays = 10;
        it = paths.emplace(expenses, bench::DataFolderGenerator::generate(dir.path() + QString::number(expenses), spec))
                 .first;
    }
    return it->second;
}

// One Expenses page over a generated file.
struct Page
{
    explicit Page(int expenses)
        : db(dataFile(expenses)), model(PageContext{port, settings, regional, [] { return QDateTime::currentDateTime(); }},
                                        db, LedgerKind::Expenses)
    {
    }
    UnattendedUserPort port;
    Settings settings;
    Regional regional = Regional::australian();
    Database db;
    LedgerModel model;

    int fieldItem(const QString& label) const
    {
        const QList<FieldItem>& items = fieldItems(SelectionPage::Expenses);
        for (int i = 0; i < items.size(); ++i)
            if (items.at(i).label == label)
                return i;
        return 0;
    }
};

const QStringList kReplay = {QStringLiteral("a"), QStringLiteral("ac"), QStringLiteral("acm"), QStringLiteral("acme"),
                             QStringLiteral("acm")};

void BM_FilterKeystroke(benchmark::State& state)
{
    Page page(int(state.range(0)));
    PageSelection& selection = page.model.selection();
    selection.setFieldIndex(page.fieldItem(QStringLiteral("Supplier")));
    int i = 0;
    for (auto _ : state) {
        // Alternating texts so every keystroke selects anew.
        selection.setFilterText(i++ % 2 ? QStringLiteral("ac") : QStringLiteral("a"));
        benchmark::DoNotOptimize(page.model.totals().total);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FilterReplay(benchmark::State& state)
{
    Page page(int(state.range(0)));
    PageSelection& selection = page.model.selection();
    selection.setFieldIndex(page.fieldItem(QStringLiteral("Supplier")));
    for (auto _ : state) {
        for (const QString& text : kReplay)
            selection.setFilterText(text);
        benchmark::DoNotOptimize(page.model.totals().total);
    }
    state.SetLabel("5 keystrokes per iteration");
}

// The baseline: the supplier texts and the twelve amounts in plain vectors, a
// case-insensitive contains and the sums of the matching rows.
struct PlainColumns
{
    explicit PlainColumns(int expenses)
    {
        Database db(dataFile(expenses));
        View view(db, TableId::Expense);
        const int supplier = view.fieldIndex(u"Supplier");
        std::vector<int> fields;
        for (const char* name : {"Tax", "Bank", "Office", "Other", "Phone", "F1", "F2", "F3", "F4", "F5", "F6", "F7"})
            fields.push_back(view.fieldIndex(QString::fromLatin1(name)));
        texts.reserve(size_t(view.rowCount()));
        amounts.assign(fields.size(), std::vector<double>(size_t(view.rowCount())));
        for (int row = 0; row < view.rowCount(); ++row) {
            texts.push_back(view.textAt(row, supplier));
            for (size_t c = 0; c < fields.size(); ++c)
                amounts[c][size_t(row)] = view.floatAt(row, fields[c]);
        }
    }
    double keystroke(const QString& text) const
    {
        std::vector<double> sums(amounts.size(), 0.0);
        std::vector<int> rows;
        for (size_t row = 0; row < texts.size(); ++row) {
            if (!texts[row].contains(text, Qt::CaseInsensitive))
                continue;
            rows.push_back(int(row));
            for (size_t c = 0; c < amounts.size(); ++c)
                sums[c] += amounts[c][row];
        }
        return std::accumulate(sums.begin(), sums.end(), 0.0) + double(rows.size());
    }
    std::vector<QString> texts;
    std::vector<std::vector<double>> amounts;
};

void BM_FilterKeystrokePlainLoop(benchmark::State& state)
{
    const PlainColumns plain(int(state.range(0)));
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(plain.keystroke(i++ % 2 ? QStringLiteral("ac") : QStringLiteral("a")));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FilterReplayPlainLoop(benchmark::State& state)
{
    const PlainColumns plain(int(state.range(0)));
    for (auto _ : state)
        for (const QString& text : kReplay)
            benchmark::DoNotOptimize(plain.keystroke(text));
    state.SetLabel("5 keystrokes per iteration");
}

void BM_TitleClickSort(benchmark::State& state)
{
    Page page(100000);
    View& view = page.model.view();
    view.last();
    int i = 0;
    for (auto _ : state) {
        // Two columns in turn, so every click really sorts.
        page.model.selection().titleClick(i++ % 2 ? QStringLiteral("Supplier") : QStringLiteral("Expense"));
        benchmark::DoNotOptimize(view.currentRow());
    }
}

void BM_TitleClickStableSortBaseline(benchmark::State& state)
{
    Database db(dataFile(100000));
    View view(db, TableId::Expense);
    std::vector<QString> supplier;
    std::vector<QString> expense;
    for (int row = 0; row < view.rowCount(); ++row) {
        supplier.push_back(view.textAt(row, view.fieldIndex(u"Supplier")));
        expense.push_back(view.textAt(row, view.fieldIndex(u"Expense")));
    }
    std::vector<int> index(supplier.size());
    int i = 0;
    for (auto _ : state) {
        const std::vector<QString>& key = i++ % 2 ? supplier : expense;
        std::iota(index.begin(), index.end(), 0);
        std::stable_sort(index.begin(), index.end(), [&key](int a, int b) {
            return key[size_t(a)].compare(key[size_t(b)], Qt::CaseInsensitive) < 0;
        });
        benchmark::DoNotOptimize(index.data());
    }
}

void BM_TagAll(benchmark::State& state)
{
    Page page(100000);
    for (auto _ : state) {
        page.model.tagTools().tagAll();
        state.PauseTiming();
        page.model.tagTools().clearTags();
        page.model.selection().all();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}

} // namespace

BENCHMARK(BM_FilterKeystroke)->Arg(100000)->Arg(500000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterKeystrokePlainLoop)->Arg(100000)->Arg(500000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterReplay)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterReplayPlainLoop)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TitleClickSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TitleClickStableSortBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TagAll)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
