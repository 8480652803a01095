#include "core/clients/ClientsModel.h"
#include "core/ledger/LedgerModel.h"
#include "core/selection/DualFieldFilter.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/PageContextFixture.h"
#include "support/store/TempDatabase.h"
#include "support/store/ViewRefs.h"

#include <QTest>

using namespace kelvora;
using kelvora::test::PageContextFixture;
using kelvora::test::ScriptedUserPort;
using kelvora::test::TempDatabase;
using kelvora::test::refsShown;

namespace {
// A filter window answering from a script: per stage the field text, the
// filter text and whether OK closed it.
class ScriptedFilterWindow : public FilterWindow
{
public:
    struct Answer
    {
        QString field;
        QString filter;
        bool ok = true;
    };
    QList<Answer> answers;
    QStringList items;
    QList<FilterStage> shown;

    void setFieldItems(const QStringList& list) override { items = list; }
    bool showStage(const FilterStage& stage) override
    {
        shown.append(stage);
        const Answer a = answers.takeFirst();
        m_field = a.field;
        m_filter = a.filter;
        return a.ok;
    }
    QString fieldText() const override { return m_field; }
    QString filterText() const override { return m_filter; }

private:
    QString m_field;
    QString m_filter;
};

} // namespace

class tst_DualFieldFilter : public QObject, PageContextFixture
{
    Q_OBJECT

    static std::unique_ptr<Database> threeExpenses(const TempDatabase& temp)
    {
        return temp.openWith(QStringLiteral("INSERT INTO Expense (Ref, Date, Cat, Office, Bank, Tag) VALUES "
                                 "(1, '2026-01-05', 'Interest', 150, 150, NULL), "
                                 "(2, '2026-01-06', 'Rent', 150, 150, 'y'), "
                                 "(3, '2026-01-07', 'Interest%\"', 15, 15, NULL)"));
    }

private slots:
    void init() { m_port = ScriptedUserPort(); }

    void fieldTextsMapToFields_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("clients DOB Tool") << int(SelectionPage::Clients) << "DOB Tool" << "";
        QTest::newRow("clients InvNo") << int(SelectionPage::Clients) << "InvNo" << "Ref";
        QTest::newRow("clients Group") << int(SelectionPage::Clients) << "Group" << "Grp";
        QTest::newRow("clients Summary") << int(SelectionPage::Clients) << "Summary" << "Summary";
        QTest::newRow("expenses Summary") << int(SelectionPage::Expenses) << "Summary" << "Bank";
        QTest::newRow("expenses Income") << int(SelectionPage::Expenses) << "Income" << "Income";
        QTest::newRow("income Income") << int(SelectionPage::Income) << "Income" << "Incom";
        QTest::newRow("income Source") << int(SelectionPage::Income) << "Source" << "Sourc";
        QTest::newRow("income typed") << int(SelectionPage::Income) << "Cat" << "Cat";
    }
    void fieldTextsMapToFields()
    {
        QFETCH(int, page);
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(DualFieldFilter::fieldName(SelectionPage(page), text), field);
    }

    void stageTextsOfEachPage()
    {
        const FilterStage one = DualFieldFilter::stage1(SelectionPage::Expenses);
        QCOMPARE(one.caption, QStringLiteral(" Dual Field Filtering Stage 1"));
        QCOMPARE(one.heading, QStringLiteral("Filter the   FIRST   field (Grid column)"));
        QCOMPARE(one.hintLines.size(), 12);
        QCOMPARE(one.hintLines.last(), QStringLiteral("Click the OK button - go to stage 2."));
        QCOMPARE(DualFieldFilter::stage1(SelectionPage::Income).hintLines.last(),
                 QStringLiteral("Click the OK button, - go to stage 2."));
        QCOMPARE(DualFieldFilter::stage1(SelectionPage::Clients).hintLines.at(8),
                 QStringLiteral("NB - You cannot Filter using the Tag, DOB or InvNo Fields."));

        const FilterStage two = DualFieldFilter::stage2(SelectionPage::Income, QStringLiteral("Bank"), QStringLiteral("15"));
        QCOMPARE(two.caption, QStringLiteral(" Dual Field Filtering  -  STAGE 2"));
        QCOMPARE(two.heading, QStringLiteral("Filter the   SECOND   field  (Grid column)"));
        QVERIFY(two.secondStage);
        QCOMPARE(two.hintLines.at(4), QStringLiteral("You have already select the first Criteria ( Bank = 15 )"));
        QCOMPARE(two.hintLines.size(), 13);
        QCOMPARE(two.hintLines.at(9), QStringLiteral("Click the OK button to finish."));
        QCOMPARE(two.hintLines.at(10), QString());
        QCOMPARE(DualFieldFilter::stage2(SelectionPage::Clients, {}, {}).caption,
                 QStringLiteral(" Dual Field Filtering - Stage 2"));
        QCOMPARE(DualFieldFilter::stage2(SelectionPage::Expenses, {}, {}).caption,
                 QStringLiteral(" Dual Field Filtering  - STAGE 2"));
    }

    void expensesOnSummaryAndCatAreTaggedAndSummed()
    {
        TempDatabase temp;
        auto db = threeExpenses(temp);
        LedgerModel model(context(), *db, LedgerKind::Expenses);
        ScriptedFilterWindow window;
        window.answers = {{QStringLiteral("Summary"), QStringLiteral("15")}, {QStringLiteral("Cat"), QStringLiteral("interest")}};
        m_port.queueButton(MsgButton::Yes);
        DualFieldFilter(SelectionPage::Expenses, model.view(), model.selection(), model.tagTools(), m_port).run(window);
        QCOMPARE(m_port.log(), QStringList{QStringLiteral("MessageDlg(Confirmation): Clear Tags ?")});
        QCOMPARE(window.items.size(), 15);
        QCOMPARE(window.shown.at(1).hintLines.at(4),
                 QStringLiteral("You have already select the first Criteria ( Bank = 15 )"));
        // Bank contains "15" (150 and 15), Cat contains "interest" in any letter case.
        QCOMPARE(refsShown(model.view()), (QList<qint64>{1, 3}));
        QCOMPARE(temp.column(QStringLiteral("SELECT Ref FROM Expense WHERE Tag = 'y' ORDER BY Ref")).size(), 2);
        QCOMPARE(temp.scalar(QStringLiteral("SELECT Tag FROM Expense WHERE Ref = 2")).isNull(), true);
        QCOMPARE(model.selection().fieldIndex(), 1);
        QCOMPARE(model.totals().total, 165.0);
    }

    void typedTextsAreValuesNotStatement()
    {
        TempDatabase temp;
        auto db = threeExpenses(temp);
        LedgerModel model(context(), *db, LedgerKind::Expenses);
        ScriptedFilterWindow window;
        window.answers = {{QStringLiteral("Cat"), QStringLiteral("%\"")}, {QStringLiteral("Cat"), QStringLiteral("Int")}};
        m_port.queueButton(MsgButton::No);
        DualFieldFilter(SelectionPage::Expenses, model.view(), model.selection(), model.tagTools(), m_port).run(window);
        QCOMPARE(refsShown(model.view()), QList<qint64>{3});
        QCOMPARE(m_port.log().size(), 1);
    }

    void refusedOrAbortedKeepsAllRecordsUntagged_data()
    {
        QTest::addColumn<QString>("field1");
        QTest::addColumn<bool>("ok1");
        QTest::addColumn<QString>("field2");
        QTest::addColumn<QString>("filter2");
        QTest::addColumn<int>("stages");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancel stage 1") << "Surname" << false << "" << "" << 1 << "MessageDlg(Error): Process Aborted !";
        QTest::newRow("DOB Tool") << "DOB Tool" << true << "Cat" << "m" << 2 << "MessageDlg(Error): Process Aborted !";
        QTest::newRow("empty filter") << "Surname" << true << "Cat" << "" << 2 << "MessageDlg(Error): Process Aborted !";
        QTest::newRow("All") << "All" << true << "Cat" << "m" << 2 << "MessageDlg(Error): Incorrect Inputs";
        QTest::newRow("typed word") << "Surname" << true << "Nonsense" << "m" << 2 << "MessageDlg(Error): Incorrect Inputs";
    }
    void refusedOrAbortedKeepsAllRecordsUntagged()
    {
        QFETCH(QString, field1);
        QFETCH(bool, ok1);
        QFETCH(QString, field2);
        QFETCH(QString, filter2);
        QFETCH(int, stages);
        QFETCH(QString, message);
        TempDatabase temp;
        auto db = temp.openWith(QStringLiteral("INSERT INTO Names (Ref, Surname, Cat, Tag) VALUES (1, 'Smith', 'm', NULL), "
                                 "(2, 'Jones', 'm', 'X')"));
        ClientsModel model(context(), *db);
        model.view().setSelection(Selection::contains(QStringLiteral("Surname"), QStringLiteral("Jones")));
        ScriptedFilterWindow window;
        window.answers = {{field1, QStringLiteral("Smith"), ok1}, {field2, filter2, true}};
        m_port.queueButton(MsgButton::No);
        DualFieldFilter(SelectionPage::Clients, model.view(), model.selection(), model.tagTools(), m_port).run(window);
        QCOMPARE(window.shown.size(), stages);
        QCOMPARE(m_port.lastLine(), message);
        QCOMPARE(model.view().rowCount(), 2);
        QCOMPARE(temp.scalar(QStringLiteral("SELECT COUNT(*) FROM Names WHERE Tag = 'y'")).toInteger(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_DualFieldFilter)
#include "tst_DualFieldFilter.moc"
