#include "gui/widgets/RecordNavigator.h"

#include "core/base/KelvoraError.h"
#include "ExpenseViewFixture.h"
#include "gui/widgets/DataGrid.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace kelvora;
using kelvora::test::ExpenseViewFixture;
using kelvora::test::TempDatabase;
using Button = RecordNavigator::Button;

namespace {

struct Fixture : ExpenseViewFixture
{
    explicit Fixture(int records)
        : ExpenseViewFixture([records](const TempDatabase& files) {
              for (int ref = 1; ref <= records; ++ref)
                  files.exec(QStringLiteral("INSERT INTO Expense (Ref, Bus) VALUES (?, 'B')"), {Value::integer(ref)});
          })
    {
        navigator = std::make_unique<RecordNavigator>(*view, guard);
    }
    // The enabled buttons, in their order along the bar, by name.
    QString enabled() const
    {
        QStringList names;
        for (QToolButton* b : navigator->findChildren<QToolButton*>())
            if (b->isEnabled())
                names << b->objectName();
        return names.join(QLatin1Char(' '));
    }

    std::unique_ptr<RecordNavigator> navigator;
};

} // namespace

class tst_RecordNavigator : public QObject
{
    Q_OBJECT

private slots:
    void buttonsFollowStateAndPosition();
    void deleteIsConfirmed();
    void refusedActionIsReported();
    void openGridCellIsSettledFirst();
};

void tst_RecordNavigator::buttonsFollowStateAndPosition()
{
    Fixture f(3);
    QCOMPARE(f.enabled(), QStringLiteral("Next Last Insert Delete Edit Refresh"));
    f.navigator->click(Button::Next);
    QCOMPARE(f.view->currentRow(), 1);
    QCOMPARE(f.enabled(), QStringLiteral("First Prior Next Last Insert Delete Edit Refresh"));
    f.navigator->click(Button::Last);
    QCOMPARE(f.enabled(), QStringLiteral("First Prior Insert Delete Edit Refresh"));
    f.navigator->click(Button::Edit);
    QCOMPARE(f.view->state(), View::State::Edit);
    QCOMPARE(f.enabled(), QStringLiteral("First Prior Insert Delete Post Cancel Refresh"));
    f.navigator->click(Button::Cancel);
    QCOMPARE(f.view->state(), View::State::Browse);
    // A disabled button does nothing, even when called directly.
    f.navigator->click(Button::Post);
    QCOMPARE(f.view->state(), View::State::Browse);

    Fixture empty(0);
    QCOMPARE(empty.enabled(), QStringLiteral("Insert Edit Refresh"));
    empty.navigator->setVisibleButtons(RecordNavigator::allButtons() & ~RecordNavigator::Buttons(Button::Insert));
    QVERIFY(empty.navigator->button(Button::Insert)->isHidden());
}

void tst_RecordNavigator::deleteIsConfirmed()
{
    Fixture f(2);
    QSignalSpy clicked(f.navigator.get(), &RecordNavigator::buttonClicked);
    f.port.queueButton(MsgButton::Cancel);
    f.navigator->click(Button::Delete);
    QCOMPARE(f.port.lastLine(), QStringLiteral("MessageDlg(Confirmation): Delete record?"));
    QCOMPARE(f.view->rowCount(), 2);
    QCOMPARE(clicked.count(), 0);

    f.port.queueButton(MsgButton::OK);
    f.navigator->click(Button::Delete);
    QCOMPARE(f.view->rowCount(), 1);
    QCOMPARE(f.fileCount(), 1);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).value<Button>(), Button::Delete);
}

void tst_RecordNavigator::refusedActionIsReported()
{
    Fixture f(1);
    f.view->setBeforePost([](View&) { throw KelvoraError(QStringLiteral("Summary does not balance.")); });
    f.navigator->click(Button::Edit);
    f.view->setField(u"Bus", QStringLiteral("X"));
    f.navigator->click(Button::Post);
    QCOMPARE(f.port.lastLine(), QStringLiteral("MessageDlg(Error): Summary does not balance."));
    // The record stays in edit, and the buttons say so.
    QCOMPARE(f.view->state(), View::State::Edit);
    QVERIFY(f.navigator->button(Button::Post)->isEnabled());
}

void tst_RecordNavigator::openGridCellIsSettledFirst()
{
    for (const Button which : {Button::Post, Button::Cancel}) {
        Fixture f(2);
        QWidget window;
        auto* grid = new DataGrid(*f.view, f.guard, &window);
        grid->setColumns({{QStringLiteral("Bus"), QStringLiteral("Bus"), 80, false}});
        auto* navigator = new RecordNavigator(*f.view, f.guard, &window);
        navigator->move(0, 120);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = grid->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText(QStringLiteral("Typed"));

        // The button is pressed while the cell is still open.
        QTest::mouseClick(navigator->button(Button::Edit), Qt::LeftButton);
        QTest::mouseClick(navigator->button(which), Qt::LeftButton);
        const QString expected = which == Button::Post ? QStringLiteral("Typed") : QStringLiteral("B");
        QCOMPARE(f.fileValue("Bus", 1).toString(), expected);
        QCOMPARE(f.view->state(), View::State::Browse);
        QCOMPARE(grid->model()->index(0, 0).data().toString(), expected);
        // No editor is left open to bring the text back later.
        QVERIFY(!grid->indexWidget(grid->currentIndex()));
    }
}

QTEST_MAIN(tst_RecordNavigator)
#include "tst_RecordNavigator.moc"
