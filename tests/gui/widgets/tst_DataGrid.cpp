#include "gui/widgets/DataGrid.h"

#include "core/base/KelvoraError.h"
#include "ExpenseViewFixture.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace kelvora;
using kelvora::test::ExpenseViewFixture;
using kelvora::test::ScriptedUserPort;
using kelvora::test::TempDatabase;

namespace {

// Counts what the grid asks of the model, to prove it asks only for what it shows.
class CountingModel : public ViewTableModel
{
public:
    using ViewTableModel::ViewTableModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        ++calls;
        return ViewTableModel::data(index, role);
    }
    mutable qint64 calls = 0;
};

const QList<GridColumn> kColumns{
    {QStringLiteral("Tag"), QStringLiteral("Tag"), 30, false},
    {QStringLiteral("Bus"), QStringLiteral("Bus"), 70, false},
    {QStringLiteral("Expense"), QStringLiteral("Expense"), 140, false},
    {QStringLiteral("Year"), QStringLiteral("Year"), 50, true},
    {QStringLiteral("Ref"), QStringLiteral("Ref"), 50, false},
};
constexpr int kTag = 0, kBus = 1, kExpense = 2, kYear = 3, kRef = 4;

// Three expense records, Ref 1 to 3, shown in Ref order.
struct Fixture : ExpenseViewFixture
{
    Fixture()
        : ExpenseViewFixture([](const TempDatabase& files) {
              for (int ref = 1; ref <= 3; ++ref)
                  files.exec(QStringLiteral("INSERT INTO Expense (Ref, Bus, Expense, Year) VALUES (?, ?, ?, '2012')"),
                             {Value::integer(ref), Value::text(QStringLiteral("Bus%1").arg(ref)),
                              Value::text(QStringLiteral("Item %1").arg(ref))});
          })
    {
        grid = std::make_unique<DataGrid>(*view, guard);
        grid->setColumns(kColumns);
        grid->resize(500, 200);
    }

    void show()
    {
        grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
        grid->setFocus();
    }
    void goTo(int row, int column) { grid->setCurrentIndex(grid->model()->index(row, column)); }
    // Opens the cell's editor as F2 does, types over its text and presses Enter.
    void typeInCell(int row, int column, const QString& text)
    {
        goTo(row, column);
        QTest::keyClick(grid.get(), Qt::Key_F2);
        auto* editor = grid->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    std::unique_ptr<DataGrid> grid;
};

} // namespace

class tst_DataGrid : public QObject
{
    Q_OBJECT

private slots:
    void enterWalksColumnsThenRecords_data();
    void enterWalksColumnsThenRecords();
    void enterFollowsMovedColumns();
    void editedRecordIsPostedWhenTheRowIsLeft();
    void refusedTextKeepsTheOldValue();
    void deletionIsConfirmed();
    void columnChangesAreReportedAndHighlighted();
    void bandsAndCurrentRowColours();
    void titleClickReportsTheField();
    void gridFollowsTheViewCursor();
    void hundredThousandRowsOpenWithoutMeasuring();
};

void tst_DataGrid::enterWalksColumnsThenRecords_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<int>("expectedRow");
    QTest::addColumn<int>("expectedColumn");
    QTest::newRow("next column") << 0 << kBus << false << 0 << kExpense;
    QTest::newRow("last column to first of next record") << 0 << kRef << false << 1 << kTag;
    QTest::newRow("last column of last record stays on it") << 2 << kRef << false << 2 << kTag;
    QTest::newRow("shift: prior column") << 1 << kExpense << true << 1 << kBus;
    QTest::newRow("shift: first column to last of prior record") << 1 << kTag << true << 0 << kRef;
    QTest::newRow("shift: first column of first record stays on it") << 0 << kTag << true << 0 << kRef;
}

void tst_DataGrid::enterWalksColumnsThenRecords()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, shift);
    QFETCH(int, expectedRow);
    QFETCH(int, expectedColumn);
    Fixture f;
    f.show();
    f.goTo(row, column);

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, shift ? Qt::ShiftModifier : Qt::NoModifier);
    QApplication::sendEvent(f.grid.get(), &enter);

    QVERIFY(enter.isAccepted()); // consumed: nothing else sees the Enter
    QCOMPARE(f.grid->currentIndex().row(), expectedRow);
    QCOMPARE(f.grid->currentIndex().column(), expectedColumn);
    QCOMPARE(f.view->currentRow(), expectedRow);
}

void tst_DataGrid::enterFollowsMovedColumns()
{
    Fixture f;
    f.show();
    // The user drags Ref to the front: it becomes the first column Enter reaches.
    f.grid->horizontalHeader()->moveSection(kRef, 0);
    QCOMPARE(f.grid->fieldAtPosition(0), QStringLiteral("Ref"));
    f.goTo(0, kYear);
    QTest::keyClick(f.grid.get(), Qt::Key_Return);
    QCOMPARE(f.grid->currentIndex().row(), 1);
    QCOMPARE(f.grid->currentField(), QStringLiteral("Ref"));
}

void tst_DataGrid::editedRecordIsPostedWhenTheRowIsLeft()
{
    Fixture f;
    f.show();
    // Enter in the editor stores the text and walks on; the record is edited, not yet posted.
    f.typeInCell(0, kBus, QStringLiteral("Acme"));
    QTRY_COMPARE(f.grid->currentIndex().column(), kExpense);
    QCOMPARE(f.view->state(), View::State::Edit);
    QCOMPARE(f.view->asText(u"Bus"), QStringLiteral("Acme"));
    QCOMPARE(f.fileValue("Bus", 1).toString(), QStringLiteral("Bus1"));

    QTest::keyClick(f.grid.get(), Qt::Key_Down);
    QCOMPARE(f.view->currentRow(), 1);
    QCOMPARE(f.view->state(), View::State::Browse);
    QCOMPARE(f.fileValue("Bus", 1).toString(), QStringLiteral("Acme"));
    QVERIFY(f.port.log().isEmpty());
}

void tst_DataGrid::refusedTextKeepsTheOldValue()
{
    Fixture f;
    f.show();
    f.typeInCell(1, kBus, QStringLiteral("Eleven char")); // Bus holds at most 10 characters

    QTRY_COMPARE(f.port.log().size(), 1);
    QVERIFY(f.port.lastLine().startsWith(QStringLiteral("MessageDlg(Error): ")));
    QVERIFY(f.port.lastLine().contains(QStringLiteral("Bus")));
    QCOMPARE(f.logged.size(), 1); // the refusal went through the guard: logged, then shown
    const QModelIndex cell = f.grid->model()->index(1, kBus);
    QCOMPARE(cell.data().toString(), QStringLiteral("Bus2"));
    QVERIFY(!f.view->isModified());

    // Leaving the record writes nothing; the file keeps the old value.
    QTest::keyClick(f.grid.get(), Qt::Key_Down);
    QCOMPARE(f.fileValue("Bus", 2).toString(), QStringLiteral("Bus2"));
}

void tst_DataGrid::deletionIsConfirmed()
{
    Fixture f;
    f.show();
    f.goTo(1, kBus);

    f.port.queueButton(MsgButton::Cancel);
    QTest::keyClick(f.grid.get(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.port.lastLine(), QStringLiteral("MessageDlg(Confirmation): Delete record?"));
    QCOMPARE(f.view->rowCount(), 3);

    f.port.queueButton(MsgButton::OK);
    QTest::keyClick(f.grid.get(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.view->rowCount(), 2);
    QCOMPARE(f.grid->model()->rowCount(), 2);
    QCOMPARE(f.fileCount(), 2);
    QVERIFY(f.fileValue("Ref", 2).isNull());
    QCOMPARE(f.grid->currentIndex().row(), f.view->currentRow());
    QCOMPARE(f.port.pendingAnswers(), 0);
}

void tst_DataGrid::columnChangesAreReportedAndHighlighted()
{
    Fixture f;
    f.show();
    f.goTo(0, kBus);
    QSignalSpy exited(f.grid.get(), &DataGrid::columnExited);
    QSignalSpy entered(f.grid.get(), &DataGrid::columnEntered);
    QStringList order;
    connect(f.grid.get(), &DataGrid::columnExited, [&](const QString& field) { order << "exit " + field; });
    connect(f.grid.get(), &DataGrid::columnEntered, [&](const QString& field) { order << "enter " + field; });

    QTest::keyClick(f.grid.get(), Qt::Key_Right);
    QCOMPARE(order, (QStringList{"exit Bus", "enter Expense"}));
    QCOMPARE(f.grid->currentField(), QStringLiteral("Expense"));

    // Another record in the same column is no column change.
    QTest::keyClick(f.grid.get(), Qt::Key_Down);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(exited.count(), 1);

    const QAbstractItemModel* model = f.grid->model();
    QCOMPARE(model->headerData(kExpense, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    QVERIFY(model->headerData(kExpense, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    QCOMPARE(model->headerData(kBus, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    QVERIFY(!model->headerData(kBus, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());

    // A handler that fails on entering a column is reported, and the grid stays usable.
    connect(f.grid.get(), &DataGrid::columnEntered, [](const QString&) { throw KelvoraError(QStringLiteral("boom")); });
    QTest::keyClick(f.grid.get(), Qt::Key_Right);
    QCOMPARE(f.port.lastLine(), QStringLiteral("MessageDlg(Error): boom"));
    QCOMPARE(f.grid->currentField(), QStringLiteral("Year"));
}

void tst_DataGrid::bandsAndCurrentRowColours()
{
    Fixture f;
    ViewTableModel::Colours colours;
    colours.column = QColor(0xFF, 0xFF, 0xBB);
    colours.oddRecord = QColor(0xFF, 0x91, 0x91);
    colours.highlight = QColor(0, 0xFF, 0);
    f.grid->setColours(colours);
    f.show();
    f.view->last(); // record 3 current, in the Tag column
    f.grid->setCurrentField(QStringLiteral("Expense"));
    const QAbstractItemModel* model = f.grid->model();
    auto background = [&](int row, int column) {
        return model->index(row, column).data(Qt::BackgroundRole).value<QColor>();
    };
    auto bold = [&](int row, int column) { return model->index(row, column).data(Qt::FontRole).value<QFont>().bold(); };

    QCOMPARE(background(0, kBus), colours.oddRecord);      // record 1
    QCOMPARE(background(1, kBus), colours.column);         // record 2
    QCOMPARE(background(1, kExpense), colours.highlight);  // record 2, entered column
    QCOMPARE(background(0, kExpense), colours.oddRecord);  // odd records keep their band
    QCOMPARE(background(2, kBus), colours.highlight);      // the current record, every cell
    QVERIFY(bold(2, kBus));
    QVERIFY(!bold(1, kBus));
    QCOMPARE(model->index(0, kYear).data(Qt::ForegroundRole).value<QColor>(), QColor(0x80, 0x80, 0x80));
}

void tst_DataGrid::titleClickReportsTheField()
{
    Fixture f;
    f.show();
    QSignalSpy titles(f.grid.get(), &DataGrid::titleClicked);
    QHeaderView* header = f.grid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(kExpense) + 10, header->height() / 2));
    QCOMPARE(titles.count(), 1);
    QCOMPARE(titles.at(0).at(0).toString(), QStringLiteral("Expense"));
}

void tst_DataGrid::gridFollowsTheViewCursor()
{
    Fixture f;
    f.show();
    f.goTo(0, kExpense);
    f.view->last();
    QCOMPARE(f.grid->currentIndex().row(), 2);
    QCOMPARE(f.grid->currentIndex().column(), kExpense); // the column stays
    f.view->append();
    QCOMPARE(f.grid->model()->rowCount(), 4);
    QCOMPARE(f.grid->currentIndex().row(), f.view->currentRow());
    f.view->cancel();
    QCOMPARE(f.grid->model()->rowCount(), 3);
    QCOMPARE(f.grid->currentIndex().row(), f.view->currentRow());

    // A new order replaces every row; the grid stays on the record and in its column.
    f.view->first();
    f.view->setOrder(QStringLiteral("Tag;Ref"));
    QCOMPARE(f.grid->currentIndex().row(), f.view->currentRow());
    QCOMPARE(f.grid->currentField(), QStringLiteral("Expense"));
}

void tst_DataGrid::hundredThousandRowsOpenWithoutMeasuring()
{
    TempDatabase files;
    auto db = files.open();
    files.exec(QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 100000) "
                              "INSERT INTO Expense (Ref, Bus, Expense, Bank) SELECT x, 'B' || (x % 97), 'Item ' || x, x * 1.5 FROM n"));
    View view(*db, TableId::Expense);
    ScriptedUserPort port;
    HandlerGuard guard(port, [](const QString&) {});
    auto* model = new CountingModel(view, guard);
    DataGrid grid(model);
    grid.setColumns(kColumns);
    grid.resize(600, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.model()->rowCount(), 100000);
    QCOMPARE(grid.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);

    // Only the rows on screen are asked for, however many the view holds.
    QVERIFY2(model->calls < 20000, qPrintable(QString::number(model->calls)));
    model->calls = 0;
    view.last();
    QApplication::processEvents();
    QCOMPARE(grid.currentIndex().row(), 99999);
    QVERIFY2(model->calls < 20000, qPrintable(QString::number(model->calls)));
}

QTEST_MAIN(tst_DataGrid)
#include "tst_DataGrid.moc"
