// The report engine on a grouped list of 10,000 ledger records: the layout pass
// alone (goal: under 0.5 s) and layout plus PDF (goal: under 2 s).

#include "../tests/report/LedgerFixture.h"
#include "report/Report.h"
#include "report/export/PdfExporter.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

using kelvora::report::PdfExporter;
using kelvora::report::Report;

constexpr int kRecords = 10000;
constexpr int kCategories = 40;

struct GroupedLedger
{
    GroupedLedger() : rows(kelvora::test::ledgerRows(kRecords, kCategories))
    {
        if (!report.load(kelvora::test::reportFixture(QStringLiteral("GroupedLedger.xml"))))
            qFatal("%s", qPrintable(report.loadErrors().join(QLatin1Char('\n'))));
        report.setDataset(QStringLiteral("Ledger"), rows.get());
        report.setBeforePrint([](kelvora::report::ReportFill& fill) {
            if (fill.bandName().isEmpty())
                fill.setText(QStringLiteral("Info2"), QStringLiteral("All Records   Sorted by Category"));
        });
    }
    std::unique_ptr<kelvora::report::MemoryDataset> rows;
    Report report;
};

void BM_GroupedLayout(benchmark::State& state)
{
    GroupedLedger ledger;
    for (auto _ : state) {
        const auto result = ledger.report.prepare();
        if (!result.ok())
            state.SkipWithError("the report did not prepare");
        benchmark::DoNotOptimize(ledger.report.document().pageCount());
    }
    state.counters["pages"] = ledger.report.document().pageCount();
}
BENCHMARK(BM_GroupedLayout)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_GroupedLayoutAndPdf(benchmark::State& state)
{
    GroupedLedger ledger;
    qint64 bytes = 0;
    for (auto _ : state) {
        ledger.report.prepare();
        const QByteArray pdf = PdfExporter::render(ledger.report.document());
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["pdf_kB"] = double(bytes) / 1024;
}
BENCHMARK(BM_GroupedLayoutAndPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
