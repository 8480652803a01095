// The investment, rising annuity and sinking annuity calculators without a window:
// the kept inputs and frequency, the worked examples, the two messages and the
// three reports.

#include "core/calculators/AnnRController.h"
#include "core/calculators/AnnSController.h"
#include "core/calculators/InvestController.h"
#include "support/calculators/CalculatorFixture.h"

#include <QtTest>
#include <memory>

using namespace kelvora;

namespace {

enum class Window
{
    Invest,
    Rising,
    Sinking
};

struct Layout
{
    QStringList inputs; // in the order they are checked
    QStringList keys;   // their settings
    QString frequency;  // the list
    QString frequencyKey;
    QStringList outputs; // in the order they are filled
};

Layout layout(Window window)
{
    switch (window) {
    case Window::Invest:
        return {{"EdPrinc", "EdRate", "EdTime"},
                {"IAmtStr", "IRateStr", "ITermStr"},
                "Period",
                "IIntStr",
                {"EdTot", "EdInt", "EdPays", "EdAI", "EdR", "EdAAI"}};
    case Window::Rising:
        return {{"EdPMT", "EdRate", "EdTime"},
                {"RPMTStr", "RRateStr", "RTermStr"},
                "EdPeriod",
                "RIntStr",
                {"EdPays", "EdFV", "EdInputs", "EdIR", "EdAI", "EdAIR"}};
    case Window::Sinking:
        return {{"EdFV", "EdRate", "EdTime"},
                {"SFVStr", "SRateStr", "STermStr"},
                "EdPeriod",
                "SIntStr",
                {"EdPays", "EdPMT", "EdInt", "EdAI", "EdAAI", "EdTI"}};
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Window)

class tst_SavingsController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void opensWithTheKeptInputs_data();
    void opensWithTheKeptInputs();
    void workedExamples_data();
    void workedExamples();
    void missingData_data();
    void missingData();
    void failuresKeepWhatWasFilled_data();
    void failuresKeepWhatWasFilled();
    void reports_data();
    void reports();
    void closeKeepsInputsAndFrequency_data();
    void closeKeepsInputsAndFrequency();

private:
    void open(Window window);
    void enter(const QStringList& values, int frequency);
    QStringList outputs() const;

    std::unique_ptr<test::CalculatorFixture> f;
    std::unique_ptr<SavingsController> c;
    Layout m_layout;
};

void tst_SavingsController::init()
{
    f = std::make_unique<test::CalculatorFixture>();
    c.reset();
}

void tst_SavingsController::open(Window window)
{
    m_layout = layout(window);
    switch (window) {
    case Window::Invest:
        c = std::make_unique<InvestController>(f->context());
        break;
    case Window::Rising:
        c = std::make_unique<AnnRController>(f->context());
        break;
    case Window::Sinking:
        c = std::make_unique<AnnSController>(f->context());
        break;
    }
    c->FormShow();
    c->FormActivate();
}

void tst_SavingsController::enter(const QStringList& values, int frequency)
{
    for (int i = 0; i < values.size(); ++i)
        c->typeText(m_layout.inputs.at(i), values.at(i));
    if (frequency < 0)
        c->typeText(m_layout.frequency, QStringLiteral("Monthly, please"));
    else
        c->chooseFrequency(frequency);
}

QStringList tst_SavingsController::outputs() const
{
    QStringList texts;
    for (const QString& box : m_layout.outputs)
        texts.append(c->text(box));
    return texts;
}

void tst_SavingsController::opensWithTheKeptInputs_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("head");

    QTest::newRow("invest, default weekly") << Window::Invest << "1" << 1 << "Weekly"
                                            << "Compound  Interest";
    QTest::newRow("invest, monthly") << Window::Invest << "2" << 2 << "Monthly"
                                     << "Compound  Interest";
    QTest::newRow("rising, typed") << Window::Rising << "-1" << -1 << ""
                                   << "Rising  Annuity";
    QTest::newRow("rising, beyond the list") << Window::Rising << "6" << -1 << ""
                                             << "Rising  Annuity";
    QTest::newRow("sinking, yearly") << Window::Sinking << "5" << 5 << "Yearly"
                                     << "Reducing  Interest";
    // A damaged setting reads as the default item instead of failing the window.
    QTest::newRow("sinking, not a number") << Window::Sinking << "two" << 1 << "Weekly"
                                           << "Reducing  Interest";
}

void tst_SavingsController::opensWithTheKeptInputs()
{
    QFETCH(Window, window);
    QFETCH(QString, kept);
    QFETCH(int, index);
    QFETCH(QString, shown);
    QFETCH(QString, head);
    const Layout l = layout(window);
    f->settings.setValue(l.keys.at(0), QStringLiteral("1234"));
    f->settings.setValue(l.keys.at(2), QStringLiteral("7"));
    f->settings.setValue(l.frequencyKey, kept);
    open(window);
    QCOMPARE(c->text(l.inputs.at(0)), QStringLiteral("1234"));
    QCOMPARE(c->text(l.inputs.at(1)), QString());
    QCOMPARE(c->text(l.inputs.at(2)), QStringLiteral("7"));
    QCOMPARE(c->frequencyIndex(), index);
    QCOMPARE(c->text(l.frequency), shown);
    QCOMPARE(c->text(QStringLiteral("HeadPanel")), head);
    QVERIFY(c->isEnabled(QStringLiteral("CalcBtn")));
    QVERIFY(!c->isEnabled(QStringLiteral("PrintBtn")));
    QCOMPARE(c->frequencyItems(),
             QStringList({"Daily", "Weekly", "Monthly", "Quarterly", "Half Yearly", "Yearly"}));
}

void tst_SavingsController::workedExamples_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("invest monthly") << Window::Invest << QStringList{"1000", "5", "10"} << 2
                                    << QStringList{"1,647.01", "647.01", "120", "5.39", "13.73", "64.70"};
    // 52 weeks a year here.
    QTest::newRow("invest weekly") << Window::Invest << QStringList{"1000", "5", "10"} << 1
                                   << QStringList{"1,648.33", "648.33", "520", "1.25", "3.17", "64.83"};
    QTest::newRow("invest at no interest") << Window::Invest << QStringList{"1000", "0", "10"} << 2
                                           << QStringList{"1,000.00", "0.00", "120", "0.00", "8.33", "0.00"};
    QTest::newRow("invest typed frequency")
        << Window::Invest << QStringList{"1000", "5", "10"} << -1
        << QStringList{"1,647.01", "647.01", "120", "5.39", "13.73", "64.70"};
    QTest::newRow("invest fractional periods")
        << Window::Invest << QStringList{"1000", "5", "0.5"} << 1
        << QStringList{"1,025.30", "25.30", "26", "0.97", "39.43", "50.61"};
    QTest::newRow("rising monthly") << Window::Rising << QStringList{"100", "5", "10"} << 2
                                    << QStringList{"120", "15,528", "12,000", "3,528", "1,200", "353"};
    QTest::newRow("rising weekly") << Window::Rising << QStringList{"100", "5", "10"} << 1
                                   << QStringList{"520", "67,426", "52,000", "15,426", "5,200", "1,543"};
    QTest::newRow("sinking monthly") << Window::Sinking << QStringList{"10000", "5", "10"} << 2
                                     << QStringList{"120",   "64.40",  "2,272.14",
                                                    "18.93", "227.21", "7,727.86"};
    QTest::newRow("sinking quarterly, part years")
        << Window::Sinking << QStringList{"10000", "5", "2.5"} << 3
        << QStringList{"10", "945.03", "549.69", "54.97", "219.88", "9,450.31"};
}

void tst_SavingsController::workedExamples()
{
    QFETCH(Window, window);
    QFETCH(QStringList, inputs);
    QFETCH(int, frequency);
    QFETCH(QStringList, expected);
    open(window);
    enter(inputs, frequency);
    QCOMPARE(c->look(QStringLiteral("CalcBtn")), ButtonLook::NeedsCalculation);
    c->CalcBtnClick();
    QCOMPARE(f->port.log(), QStringList());
    QCOMPARE(outputs(), expected);
    QCOMPARE(c->look(QStringLiteral("CalcBtn")), ButtonLook::Calculated);
    QVERIFY(c->isEnabled(QStringLiteral("PrintBtn")));
}

void tst_SavingsController::missingData_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<int>("empty");
    for (const Window w : {Window::Invest, Window::Rising, Window::Sinking})
        for (int i = 0; i < 3; ++i)
            QTest::addRow("%d, input %d", int(w), i) << w << i;
}

void tst_SavingsController::missingData()
{
    QFETCH(Window, window);
    QFETCH(int, empty);
    open(window);
    QStringList values{"100", "5", "10"};
    values[empty] = QString();
    enter(values, 2);
    c->CalcBtnClick();
    QCOMPARE(f->port.log(), QStringList{QStringLiteral("ShowMessage: Data is Missing")});
    QCOMPARE(outputs(), QStringList(6, QString()));
    QVERIFY(!c->isEnabled(QStringLiteral("PrintBtn")));
}

void tst_SavingsController::failuresKeepWhatWasFilled_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("invest over no time") << Window::Invest << QStringList{"1000", "5", "0"}
                                         << QStringList{"1,000.00", "0.00", "0", "", "", ""};
    QTest::newRow("rising at no interest")
        << Window::Rising << QStringList{"100", "0", "10"} << QStringList{"120", "", "", "", "", ""};
    QTest::newRow("sinking at no interest")
        << Window::Sinking << QStringList{"10000", "0", "10"} << QStringList{"120", "", "", "", "", ""};
    QTest::newRow("sinking over no time")
        << Window::Sinking << QStringList{"10000", "5", "0"} << QStringList{"0", "", "", "", "", ""};
    QTest::newRow("per cent sign") << Window::Rising << QStringList{"100", "5%", "10"}
                                   << QStringList{"", "", "", "", "", ""};
}

void tst_SavingsController::failuresKeepWhatWasFilled()
{
    QFETCH(Window, window);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, expected);
    open(window);
    enter(inputs, 2);
    f->port.queueButton(MsgButton::Retry);
    c->CalcBtnClick();
    QCOMPARE(f->port.log(),
             QStringList{QStringLiteral("MessageDlg(Error): ERROR : Check your Requirements")});
    QCOMPARE(outputs(), expected);
    QVERIFY(c->isEnabled(QStringLiteral("PrintBtn"))); // enabled before the numbers were read
}

void tst_SavingsController::reports_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("texts"); // object=text

    QTest::newRow("invest") << Window::Invest << "RptInvest"
                            << QStringList{"Head=Investing = Compound Interest",
                                           "Principal=$1000",
                                           "Brate=5 %",
                                           "Btime=10 Years",
                                           "Bperiod=Monthly",
                                           "Bpays=120",
                                           "Br=$13.73",
                                           "Bint=$647.01",
                                           "Bai=$5.39",
                                           "Baai=$64.70",
                                           "Btot=$1,647.01"};
    QTest::newRow("rising") << Window::Rising << "RptAnnR"
                            << QStringList{"Head=Rising Annuity = Compounding Interest",
                                           "Brate=5 %",
                                           "Btime=10 Years",
                                           "Bperiod=Monthly",
                                           "Bpays=120",
                                           "Bpmt=1000",
                                           "Bfv=$155,282",
                                           "Binputs=$120,000",
                                           "Bir=$35,282",
                                           "Bai=$12,000",
                                           "Bair=$3,528"};
    QTest::newRow("sinking") << Window::Sinking << "RptAnnS"
                             << QStringList{"Head=Sinking Annuity = Reducing Interest",
                                            "Brate=5 %",
                                            "Btime=10 Years",
                                            "Bperiod=Monthly",
                                            "Bpays=120",
                                            "Bpmt=$6.44",
                                            "Bfv=$1000",
                                            "Bint=$227.21",
                                            "Bti=$772.79",
                                            "Bai=$1.89",
                                            "Baai=$22.72"};
}

void tst_SavingsController::reports()
{
    QFETCH(Window, window);
    QFETCH(QString, name);
    QFETCH(QStringList, texts);
    open(window);
    enter({"1000", "5", "10"}, 2);
    c->CalcBtnClick();
    c->PrintBtnClick();
    QCOMPARE(f->reports.shown.size(), 1);
    const CalculatorReport& r = f->reports.shown.first();
    QCOMPARE(r.name, name);
    QStringList got;
    for (const auto& [object, text] : r.texts)
        got.append(object + QLatin1Char('=') + text);
    QCOMPARE(got, texts);
    QCOMPARE(c->look(QStringLiteral("PrintBtn")), ButtonLook::Used);
    QCOMPARE(c->look(QStringLiteral("CalcBtn")), ButtonLook::NeedsCalculation);
    QVERIFY(c->isEnabled(QStringLiteral("PrintBtn"))); // stays usable
}

void tst_SavingsController::closeKeepsInputsAndFrequency_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QString>("kept");
    QTest::newRow("invest quarterly") << Window::Invest << 3 << "3";
    QTest::newRow("rising typed") << Window::Rising << -1 << "-1";
    QTest::newRow("sinking daily") << Window::Sinking << 0 << "0";
}

void tst_SavingsController::closeKeepsInputsAndFrequency()
{
    QFETCH(Window, window);
    QFETCH(int, frequency);
    QFETCH(QString, kept);
    open(window);
    enter({"250", "", "3"}, frequency);
    c->FormActivate(); // back from a message box: the choice stays
    c->FormClose();
    QCOMPARE(f->settings.value(m_layout.keys.at(0)), QStringLiteral("250"));
    QCOMPARE(f->settings.value(m_layout.keys.at(1)), QString());
    QCOMPARE(f->settings.value(m_layout.keys.at(2)), QStringLiteral("3"));
    QCOMPARE(f->settings.value(m_layout.frequencyKey), kept);
}

QTEST_GUILESS_MAIN(tst_SavingsController)
#include "tst_SavingsController.moc"
