#include "core/settings/ColourScheme.h"
#include "gui/dialogs/diary/TCalForm.h"
#include "gui/widgets/BlinkLabel.h"
#include "gui/widgets/ColourAdapter.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/MonthCalendar.h"

#include <QTest>

using namespace kelvora;

// The spare calendar window, opened on Monday 5 March 2012.
class tst_TCalForm : public QObject
{
    Q_OBJECT

    ColourScheme m_scheme; // blue to lime
    Regional m_regional = Regional::australian();

    std::unique_ptr<TCalForm> open()
    {
        auto form = std::make_unique<TCalForm>(m_scheme, m_regional, [] { return QDate(2012, 3, 5); });
        form->show();
        return form;
    }

private slots:
    void opensOnToday()
    {
        TCalForm form(m_scheme, m_regional, [] { return QDate(2012, 3, 5); });
        QCOMPARE(form.windowTitle(), QStringLiteral(" Calendar"));
        QCOMPARE(form.size(), QSize(410, 423));
        QCOMPARE(form.CalHead->text(), QStringLiteral("Monday, 5 March, 2012,"));
        QVERIFY(form.CalHead->isBlinking());
        QCOMPARE(form.Calendar->currentDate(), QDate(2012, 3, 5));
        QCOMPARE(form.Calendar->firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(form.CalHeadPanel->startColour(), QColor(Qt::blue));
        QCOMPARE(form.BodyPanel->endColour(), QColor(Qt::green));
        QCOMPARE(form.CloseBtn->startColour(), QColor(Qt::green));
        QCOMPARE(form.CloseBtn->endColour(), QColor(Qt::blue));
        QCOMPARE(form.CloseBtn->statusTip(), QStringLiteral("Save new colours and close."));
        form.show();
        QVERIFY(!form.CalHead->isBlinking());
        QCOMPARE(form.NowBtn->startColour(), QColor(Qt::green));
        QCOMPARE(form.PrevYrBtn->endColour(), QColor(Qt::blue));
    }

    void aStepLightsItsButtonAndGreysTheOthers()
    {
        auto form = open();
        QTest::mouseClick(form->NextWeekBtn, Qt::LeftButton);
        QCOMPARE(form->CalHead->text(), QStringLiteral("Monday, 12 March , 2012"));
        QVERIFY(form->CalHead->isBlinking());
        QCOMPARE(form->Calendar->currentDate(), QDate(2012, 3, 12));
        QCOMPARE(form->NextWeekBtn->startColour(), QColor(Qt::green));
        QCOMPARE(form->NextWeekBtn->endColour(), QColor(Qt::blue));
        for (GradientButton* other : {form->Next2WeekBtn, form->NextMonthBtn, form->NextYrBtn, form->PrevWeekBtn,
                                      form->Prev2WeekBtn, form->PrevMonthBtn, form->PrevYrBtn, form->NowBtn}) {
            QCOMPARE(other->startColour(), QColor(0x80, 0x80, 0x80));
            QCOMPARE(other->endColour(), QColor(0x80, 0x80, 0x80));
        }
        QTest::mouseClick(form->NextYrBtn, Qt::LeftButton);
        QCOMPARE(form->Calendar->currentDate(), QDate(2013, 3, 12));
        QTest::mouseClick(form->NowBtn, Qt::LeftButton);
        QCOMPARE(form->Calendar->currentDate(), QDate(2012, 3, 5));
        QVERIFY(!form->CalHead->isBlinking());
        QCOMPARE(form->NowBtn->startColour(), QColor(Qt::green));
        QCOMPARE(form->NextYrBtn->startColour(), QColor(0x80, 0x80, 0x80));
    }

    void aDayPickedOnTheCalendarSetsTheHeading()
    {
        auto form = open();
        form->Calendar->setSelectedDate(QDate(2012, 3, 31));
        QCOMPARE(form->CalHead->text(), QStringLiteral("Saturday, 31 March , 2012"));
        QTest::mouseClick(form->PrevMonthBtn, Qt::LeftButton);
        QCOMPARE(form->Calendar->currentDate(), QDate(2012, 2, 29));
        QTest::mouseClick(form->CloseBtn, Qt::LeftButton);
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(tst_TCalForm)
#include "tst_TCalForm.moc"
