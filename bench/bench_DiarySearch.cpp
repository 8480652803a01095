// A diary search step over 55 years of days: Search finds a text that only the
// last day holds. The records are read where they lie and the cursor moves
// once, to the day found; the goal is well under 200 ms a step.

#include "core/diary/DiaryModel.h"
#include "core/diary/DiarySearch.h"
#include "core/interaction/UserPort.h"
#include "core/settings/Settings.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/DataFolderGenerator.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

using namespace kelvora;

namespace {

constexpr int kDays = 20000;
const QString kNeedle = QStringLiteral("Kookaburra");

// Answers every prompt with the text searched for; nothing is shown.
class SilentPort : public UserPort
{
public:
    void showMessage(const QString&) override {}
    MsgButton messageDlg(const QString&, MsgType, MsgButton) override { return MsgButton::OK; }
    QString inputBox(const QString&, const QString&, const QString&) override { return kNeedle; }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString&) override {}
    QByteArray clipboardPicture() override { return {}; }
    void setClipboardPicture(const QByteArray&) override {}
    bool openUrl(const QString&) override { return true; }
    bool startProgram(const QString&, const QStringList&) override { return true; }
    QString chooseOpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseSaveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
    void beginBusy() override {}
    void endBusy() override {}
};

// 20,000 generated days; the last one alone holds the text.
const QString& dataFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        bench::DataFolderSpec spec;
        spec.expenses = 10;
        spec.income = 10;
        spec.clients = 10;
        spec.diaryDays = kDays;
        const QString file = bench::DataFolderGenerator::generate(dir.path(), spec);
        sqlite3* db = nullptr;
        sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db,
                     "UPDATE Diary SET Day = 'Heard a Kookaburra at dawn.' WHERE Date = (SELECT MAX(Date) FROM Diary)",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return file;
    }();
    return path;
}

void BM_DiarySearchFindsTheLastDay(benchmark::State& state)
{
    Database db(dataFile());
    SilentPort port;
    Settings settings;
    ListText toDo{QString()};
    const Regional regional = Regional::australian();
    DiaryModel diary(PageContext{port, settings, regional, [] { return QDateTime::currentDateTime(); }}, db, toDo);
    diary.setPause([](int) {});
    const int last = diary.view().rowCount() - 1;
    const QDate lastDay = diary.view().dateAt(last, diary.view().fieldIndex(u"Date"));
    for (auto _ : state) {
        state.PauseTiming();
        diary.view().first();
        state.ResumeTiming();
        diary.search().SearchBtnClick();
        if (diary.calendarDate() != lastDay)
            state.SkipWithError("the last day was not found");
    }
    state.SetItemsProcessed(state.iterations() * kDays);
}
BENCHMARK(BM_DiarySearchFindsTheLastDay)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
