#include "core/pages/PageColumns.h"
#include "core/settings/Settings.h"

#include <QTest>

using namespace kelvora;

class tst_PageColumns : public QObject
{
    Q_OBJECT

private slots:
    void titlesFromTheSettings()
    {
        Settings settings;
        settings.setValue(SettingKey::E1, QStringLiteral("Fuel"));
        settings.setValue(SettingKey::VAT, QStringLiteral("GST"));
        const QList<GridColumn> expenses = pagecolumns::expenses(settings);
        QCOMPARE(expenses.at(16).title, QStringLiteral("Fuel"));
        QCOMPARE(expenses.at(12).title, QStringLiteral("GST"));
        QCOMPARE(expenses.at(22).title, QStringLiteral("Tax Free"));
        QCOMPARE(pagecolumns::names(settings).at(36).title, QStringLiteral("GST"));
        QCOMPARE(pagecolumns::names(settings).at(7).width, 90);
    }

    void scaledWidthRoundsHalvesAwayFromZero_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("newWidth");
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("expected");
        QTest::newRow("grow") << 100 << 1500 << 1000 << 150;
        QTest::newRow("half up") << 3 << 1500 << 1000 << 5; // 4.5
        QTest::newRow("shrink") << 98 << 672 << 1344 << 49;
        QTest::newRow("no reference yet") << 80 << 1200 << 0 << 80;
    }
    void scaledWidthRoundsHalvesAwayFromZero()
    {
        QFETCH(int, width);
        QFETCH(int, newWidth);
        QFETCH(int, reference);
        QFETCH(int, expected);
        QCOMPARE(pagecolumns::scaledWidth(width, newWidth, reference), expected);
    }
};

QTEST_GUILESS_MAIN(tst_PageColumns)
#include "tst_PageColumns.moc"
