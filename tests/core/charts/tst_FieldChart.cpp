#include "core/charts/FieldChart.h"
#include "core/format/ColourText.h"
#include "core/ledger/LedgerModel.h"
#include "core/settings/Settings.h"
#include "core/store/Database.h"
#include "support/ScriptedUserPort.h"
#include "support/store/TempDatabase.h"

#include <QTest>

using namespace kelvora;
using kelvora::test::ScriptedUserPort;
using kelvora::test::TempDatabase;

Q_DECLARE_METATYPE(LedgerKind)
Q_DECLARE_METATYPE(ChartStyle)

class tst_FieldChart : public QObject
{
    Q_OBJECT

    ScriptedUserPort m_port;
    Settings m_settings;
    Regional m_regional = Regional::australian();

    PageContext context()
    {
        return {m_port, m_settings, m_regional, [] { return QDateTime(QDate(2026, 12, 11), QTime(9, 30)); }};
    }

private slots:
    void title_data()
    {
        QTest::addColumn<LedgerKind>("kind");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("title");
        QTest::newRow("supplier Acme") << LedgerKind::Expenses << 13 << "Acme" << "Expense : Supplier = Acme";
        QTest::newRow("supplier y") << LedgerKind::Expenses << 13 << "y" << "Expense";
        QTest::newRow("all") << LedgerKind::Expenses << 0 << "Acme" << "Expense";
        QTest::newRow("summary amount") << LedgerKind::Expenses << 12 << "110" << "Expense : Summary = 110";
        QTest::newRow("income source") << LedgerKind::Income << 9 << "Acme" << "Income : Source = Acme";
        QTest::newRow("income tag y") << LedgerKind::Income << 1 << "y" << "Income";
    }
    void title()
    {
        QFETCH(LedgerKind, kind);
        QFETCH(int, field);
        QFETCH(QString, filter);
        QFETCH(QString, title);
        TempDatabase temp;
        auto db = temp.open();
        LedgerModel ledger(context(), *db, kind);
        ledger.selection().setControls(field, filter);
        QCOMPARE(FieldChart::open(ledger, ChartStyle::Pie).title, title);
        QCOMPARE(FieldChart::open(ledger, ChartStyle::Bars).title, title);
    }

    void windows_data()
    {
        QTest::addColumn<LedgerKind>("kind");
        QTest::addColumn<ChartStyle>("style");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("printHint");
        QTest::newRow("expense pie") << LedgerKind::Expenses << ChartStyle::Pie << "GraphExpBtn" << "TGraphForm"
                                     << " Graph of Totals" << "Print Graph";
        QTest::newRow("expense bars") << LedgerKind::Expenses << ChartStyle::Bars << "GraphExpBtn2" << "TGraphForm2"
                                      << " Expenses - Field Totals" << "Print the graph";
        QTest::newRow("income pie") << LedgerKind::Income << ChartStyle::Pie << "GraphIncBtn" << "TGraphForm"
                                    << " Income - Field Totals" << "Print Graph";
        QTest::newRow("income bars") << LedgerKind::Income << ChartStyle::Bars << "GraphIncBtn2" << "TGraphForm2"
                                     << " Income - Field Totals" << "Print the graph";
    }
    void windows()
    {
        QFETCH(LedgerKind, kind);
        QFETCH(ChartStyle, style);
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QString, printHint);
        TempDatabase temp;
        auto db = temp.open();
        LedgerModel ledger(context(), *db, kind);
        const FieldChart chart = FieldChart::open(ledger, style);
        QCOMPARE(FieldChart::buttonName(kind, style), button);
        QCOMPARE(chart.window, window);
        QCOMPARE(chart.caption, caption);
        QCOMPARE(chart.printHint, printHint);
        // Nothing to share out: every point is there, at 0%.
        QCOMPARE(chart.points.size(), kind == LedgerKind::Expenses ? 10 : 7);
        for (const ChartPoint& p : chart.points)
            QCOMPARE(p.percent, QStringLiteral("0%"));
    }

    void onlyOfficeAmountsMakeOneWholeSlice()
    {
        TempDatabase temp;
        temp.open();
        temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Date, Office, Bank) VALUES "
                                 "(1, '2026-03-02', 40, 40), (2, '2026-03-03', 60, 60)"));
        auto db = temp.open();
        LedgerModel ledger(context(), *db, LedgerKind::Expenses);
        ledger.entryButton(LedgerModel::EntryButton::Copy, QStringLiteral("Tag")); // the Sum button turns red
        QVERIFY(ledger.totalsStale());
        const FieldChart chart = FieldChart::open(ledger, ChartStyle::Pie);
        QVERIFY(!ledger.totalsStale()); // the chart ran the page's Sum first
        QCOMPARE(chart.points.first().label, QStringLiteral("Office"));
        QCOMPARE(chart.points.first().value, 100.0);
        QCOMPARE(chart.points.first().percent, QStringLiteral("100%"));
        QCOMPARE(chart.points.first().colour, *parseColourText("clRed"));
        for (qsizetype i = 1; i < chart.points.size(); ++i)
            QCOMPARE(chart.points[i].percent, QStringLiteral("0%"));
    }

    void labelsColoursAndShares()
    {
        m_settings.setValue(SettingKey::E1, QStringLiteral("Rent"));
        m_settings.setValue(SettingKey::I2, QStringLiteral("Fees"));
        TempDatabase temp;
        temp.open();
        temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Date, Other, F1, F7, Bank) VALUES "
                                 "(1, '2026-03-02', 10, 30, 20, 60), (2, '2026-03-03', -5, 0, 0, -5)"));
        temp.exec(QStringLiteral("INSERT INTO Income (Ref, Date, Interest, F2, Bank) VALUES "
                                 "(1, '2026-03-02', 1, 2, 3)"));
        auto db = temp.open();
        LedgerModel expenses(context(), *db, LedgerKind::Expenses);
        LedgerModel income(context(), *db, LedgerKind::Income);
        for (ChartStyle style : {ChartStyle::Pie, ChartStyle::Bars}) {
            const FieldChart e = FieldChart::open(expenses, style);
            QStringList labels;
            QStringList percents;
            QStringList colours;
            for (const ChartPoint& p : e.points) {
                labels << p.label;
                percents << p.percent;
                colours << colourText(p.colour);
            }
            QCOMPARE(labels, (QStringList{"Office", "Other", "Phone", "Rent", "80%", "60%", "40%", "20%", "20%",
                                          "Tax Free"}));
            QCOMPARE(colours, (QStringList{"clRed", "clBlue", "clGreen", "clOlive", "clAqua", "clLime", "clFuchsia",
                                           "clSilver", "clTeal", "clPurple"}));
            QCOMPARE(percents, (QStringList{"0%", "9%", "0%", "55%", "0%", "0%", "0%", "0%", "0%", "36%"}));
            const FieldChart i = FieldChart::open(income, style);
            QCOMPARE(i.points[3].label, QStringLiteral("Fees"));
            QCOMPARE(i.points[3].percent, QStringLiteral("67%"));
            QCOMPARE(colourText(i.points[0].colour), QStringLiteral("clTeal"));
            QCOMPARE(colourText(i.points[6].colour), QStringLiteral("clGreen"));
        }
    }
};

QTEST_GUILESS_MAIN(tst_FieldChart)
#include "tst_FieldChart.moc"
