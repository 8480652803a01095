#include "core/taxation/TaxnController.h"

#include "core/base/KelvoraError.h"
#include "core/format/NumberText.h"
#include "core/interaction/UserPort.h"
#include "core/ledger/LedgerModel.h"
#include "core/selection/PageSelection.h"
#include "core/settings/Settings.h"

namespace kelvora {

namespace {

using K = SettingKey;

TaxnRow fixedRow(const char* label, const char* field, const char* totalBox, const char* percentBox, SettingKey key,
                 const char* resultBox)
{
    return {QString::fromLatin1(label), std::nullopt, {}, QString::fromLatin1(field), QString::fromLatin1(totalBox),
            QString::fromLatin1(percentBox), key, QString::fromLatin1(resultBox), true};
}

TaxnRow namedRow(SettingKey labelKey, const char* labelName, const char* field, const char* totalBox,
                 const char* percentBox, SettingKey key, const char* resultBox)
{
    return {{}, labelKey, QString::fromLatin1(labelName), QString::fromLatin1(field), QString::fromLatin1(totalBox),
            QString::fromLatin1(percentBox), key, QString::fromLatin1(resultBox), false};
}

TaxnSide makeExpenses()
{
    return {
        LedgerKind::Expenses,
        QStringLiteral("Expenses"),
        QStringLiteral("%"),
        QStringLiteral("Deductible"),
        QStringLiteral("Total from Expenses Tab"),
        QStringLiteral("Percentage claimed for Taxation."),
        QStringLiteral("Amount claimed for Taxation."),
        {
            fixedRow("Office", "Office", "OfficeExp", "Off", K::ExpensePctOffice, "OfficeTot"),
            fixedRow("Other", "Other", "OtherExp", "Oth", K::ExpensePctOther, "OtherTot"),
            fixedRow("Phone", "Phone", "PhoneExp", "Pho", K::ExpensePctPhone, "PhoneTot"),
            namedRow(K::E1, "LabE1", "F1", "EdF1", "E1", K::ExpensePct1, "E1Tot"),
            namedRow(K::E2, "LabE2", "F2", "EdF2", "E2", K::ExpensePct2, "E2Tot"),
            namedRow(K::E3, "LabE3", "F3", "EdF3", "E3", K::ExpensePct3, "E3Tot"),
            namedRow(K::E4, "LabE4", "F4", "EdF4", "E4", K::ExpensePct4, "E4Tot"),
            namedRow(K::E5, "LabE5", "F5", "EdF5", "E5", K::ExpensePct5, "E5Tot"),
            namedRow(K::E6, "LabE6", "F6", "EdF6", "E6", K::ExpensePct6, "E6Tot"),
            namedRow(K::E7, "LabE7", "F7", "EdF7", "E7", K::ExpensePct7, "E7Tot"),
        },
        QStringLiteral("TotF"),
        QStringLiteral("NoF"),
        QStringLiteral("TotE"),
        QStringLiteral("Tax1"),
        QStringLiteral("GSTExp"),
        QStringLiteral("BankExp"),
        QStringLiteral("BalanceLabel"),
        QStringLiteral("Balance"),
        QStringLiteral("Total Income less Total Expenses (excluding Tax)  -  assumes identical filtering of Expense "
                       "then Income."),
    };
}

TaxnSide makeIncome()
{
    return {
        LedgerKind::Income,
        QStringLiteral("Income"),
        QStringLiteral("%"),
        QStringLiteral("Taxable"),
        QStringLiteral("Total from Income Tab."),
        QStringLiteral("Percentage Taxable."),
        QStringLiteral("Taxable Amount."),
        {
            fixedRow("Interest", "Interest", "Interest", "Int", K::IncomePctInterest, "InterestTot"),
            fixedRow("Sales", "Sales", "EdSales", "Sal", K::IncomePctSalary, "SalesTot"),
            namedRow(K::I1, "Spare1", "F1", "SpareInc1", "I1", K::IncomePct1, "I1Tot"),
            namedRow(K::I2, "Spare2", "F2", "SpareInc2", "I2", K::IncomePct2, "I2Tot"),
            namedRow(K::I3, "Spare3", "F3", "SpareInc3", "I3", K::IncomePct3, "I3Tot"),
            namedRow(K::I4, "Spare4", "F4", "SpareInc4", "I4", K::IncomePct4, "I4Tot"),
            namedRow(K::I5, "Spare5", "F5", "SpareInc5", "I5", K::IncomePct5, "I5Tot"),
        },
        QStringLiteral("TotI"),
        QStringLiteral("NoI"),
        QStringLiteral("TotTI"),
        QStringLiteral("Tax2"),
        QStringLiteral("IncGST"),
        QStringLiteral("BankInc"),
        QStringLiteral("TaxBalance"),
        QStringLiteral("GSTBal"),
        QStringLiteral("Total Tax paid on Expenses less Total Tax owed on Income  -  assumes identical filtering of "
                       "Expense then Income."),
    };
}

// The settings file keeps the percentages in this order.
const QList<SettingKey>& storeOrder()
{
    static const QList<SettingKey> order{
        K::ExpensePct1,      K::ExpensePct2,     K::ExpensePct3,      K::ExpensePct4,     K::ExpensePct5,
        K::ExpensePct6,      K::ExpensePct7,     K::ExpensePctOffice, K::ExpensePctOther, K::ExpensePctPhone,
        K::IncomePct1,       K::IncomePct2,      K::IncomePct3,       K::IncomePct4,      K::IncomePct5,
        K::IncomePctInterest, K::IncomePctSalary,
    };
    return order;
}

const QString kHeadPanel = QStringLiteral("HeadPanel");
const QString kFirstHead = QStringLiteral("Taxation  Summary");

} // namespace

const QString TaxnController::kCaption = QStringLiteral(" Taxation Breakdown");
const QString TaxnController::kWriteError = QStringLiteral("Exception: IniFile Write Error.");

const TaxnSide& TaxnController::side(LedgerKind kind)
{
    static const TaxnSide expenses = makeExpenses();
    static const TaxnSide income = makeIncome();
    return kind == LedgerKind::Expenses ? expenses : income;
}

QString TaxnController::buttonName(LedgerKind kind)
{
    return kind == LedgerKind::Expenses ? QStringLiteral("TaxnBtn1") : QStringLiteral("TaxnBtn2");
}

QString TaxnController::buttonHint()
{
    return QStringLiteral("Filter Expenses and Income before clicking to show tax Breakdown.");
}

void TaxnController::sumBoth(LedgerModel& expenses, LedgerModel& income)
{
    expenses.Sum();
    income.Sum();
}

QString TaxnController::heading(const PageSelection& expenses, const PageSelection& income)
{
    const FieldItem& e = fieldItems(SelectionPage::Expenses).at(expenses.fieldIndex());
    const FieldItem& i = fieldItems(SelectionPage::Income).at(income.fieldIndex());
    // The two lists agree up to the description field (Expense, Income) and then
    // go their own ways, so a shared item index alone does not mean a shared field.
    const bool sameField = (expenses.fieldIndex() == income.fieldIndex() && income.fieldIndex() <= 5)
                           || (!e.field.isEmpty() && e.field == i.field);
    const QString head = QStringLiteral("Taxation Breakdown for ") + i.label;
    if (sameField && expenses.filterText() == income.filterText() && income.filterText() != QLatin1String("y"))
        return head + QLatin1Char(' ') + income.filterText();
    return head;
}

TaxnController::TaxnController(LedgerModel& expenses, LedgerModel& income, CalculatorReportRunner* reports)
    : m_expenses(expenses), m_income(income), m_reports(reports)
{
    const Settings& settings = expenses.context().settings;
    m_texts.insert(kHeadPanel, kFirstHead);
    const QString tax = settings.value(K::VAT);
    for (LedgerKind kind : {LedgerKind::Expenses, LedgerKind::Income}) {
        const TaxnSide& s = side(kind);
        for (const TaxnRow& row : s.rows) {
            if (!row.labelName.isEmpty())
                m_texts.insert(row.labelName, settings.value(*row.labelKey));
            m_texts.insert(row.percentBox, settings.value(row.percentKey));
        }
        m_texts.insert(s.taxLabel, tax);
    }
    m_texts.insert(side(LedgerKind::Expenses).balanceLabel, QStringLiteral("Balance"));
    m_texts.insert(side(LedgerKind::Income).balanceLabel, tax + QStringLiteral(" Balance"));
    // The totals as the pages' footers show them.
    for (const LedgerModel* ledger : {&m_expenses, &m_income}) {
        const TaxnSide& s = side(ledger->traits().kind);
        for (const FooterBox& box : ledger->traits().footerBoxes) {
            if (box.value != FooterValue::Field || box.field == QLatin1String("Bank"))
                continue;
            const auto row = std::find_if(s.rows.cbegin(), s.rows.cend(),
                                          [&box](const TaxnRow& r) { return r.field == box.field; });
            m_texts.insert(row != s.rows.cend() ? row->totalBox : s.taxBox, ledger->footerText(box));
        }
    }
}

QString TaxnController::money(double value) const
{
    return formatFloat(value, NumberStyle::Currency, 11, 2, m_expenses.context().regional);
}

void TaxnController::setBalance(const QString& box, double value)
{
    m_texts.insert(box, money(value));
    if (value < 0.0)
        m_negative.insert(box);
    else
        m_negative.remove(box);
}

bool TaxnController::computeSide(const TaxnSide& s, const LedgerModel& ledger, double& resultSum)
{
    const LedgerTotals& totals = ledger.totals();
    const Regional& regional = ledger.context().regional;
    resultSum = 0.0;
    for (const TaxnRow& row : s.rows) {
        const double total = totals.sum(row.field);
        // An income box left empty by its page stays empty here.
        if (s.kind == LedgerKind::Expenses || !m_texts.value(row.totalBox).isEmpty())
            m_texts.insert(row.totalBox, money(total));
        const QString percentText = m_texts.value(row.percentBox);
        if (m_texts.value(row.totalBox).isEmpty() || percentText.isEmpty()) {
            m_texts.insert(row.resultBox, row.zeroWhenCleared ? QStringLiteral("0") : QString());
            continue;
        }
        const std::optional<double> percent = parseTypedNumber(percentText, regional);
        if (!percent) {
            const QString label = row.labelKey ? m_texts.value(row.labelName) : row.label;
            m_problem = QStringLiteral("The percentage for %1, \"%2\", is not a number.").arg(label, percentText);
            m_problemBox = row.percentBox;
            return false;
        }
        const double amount = *percent * total / 100.0;
        m_texts.insert(row.resultBox, money(amount));
        resultSum += amount;
    }
    m_texts.insert(s.countBox, ledger.footerText(ledger.traits().footerBoxes.first()));
    m_texts.insert(s.totalsBox, money(totals.total));
    m_texts.insert(s.resultsBox, money(resultSum));
    return true;
}

void TaxnController::FormActivate()
{
    m_problem.clear();
    m_problemBox.clear();
    m_texts.insert(kHeadPanel, heading(m_expenses.selection(), m_income.selection()));
    double deductible = 0.0;
    double taxable = 0.0;
    if (!computeSide(side(LedgerKind::Expenses), m_expenses, deductible)
        || !computeSide(side(LedgerKind::Income), m_income, taxable))
        return;
    const LedgerTotals& e = m_expenses.totals();
    const LedgerTotals& i = m_income.totals();
    m_texts.insert(QStringLiteral("BankExp"), money(e.sum(QStringLiteral("Bank"))));
    m_texts.insert(QStringLiteral("BankInc"), money(i.sum(QStringLiteral("Bank"))));
    setBalance(QStringLiteral("Balance"), i.total - e.total);
    setBalance(QStringLiteral("GSTBal"), e.sum(QStringLiteral("Tax")) - i.sum(QStringLiteral("Tax")));
}

void TaxnController::typePercent(const QString& box, const QString& text)
{
    m_texts.insert(box, text);
    FormActivate();
}

void TaxnController::FormClose()
{
    Settings::Values values;
    for (SettingKey key : storeOrder()) {
        for (LedgerKind kind : {LedgerKind::Expenses, LedgerKind::Income}) {
            for (const TaxnRow& row : side(kind).rows) {
                if (row.percentKey == key)
                    values.append({settingName(key), m_texts.value(row.percentBox)});
            }
        }
    }
    try {
        m_expenses.context().settings.storeInSettingsFile(values);
    } catch (const KelvoraError&) {
        m_expenses.context().port.showMessage(kWriteError);
    }
}

CalculatorReport TaxnController::RptTaxnBeforePrint() const
{
    CalculatorReport report{QStringLiteral("RptTaxn"), {}};
    const auto add = [&report, this](const QString& object) { report.texts.append({object, text(object)}); };
    report.texts.append({QStringLiteral("Head"), text(kHeadPanel)});
    report.texts.append({QStringLiteral("Info"), m_expenses.context().settings.value(K::Company)});
    add(side(LedgerKind::Income).balanceLabel); // "GST Balance"; the other balance's caption is fixed
    for (LedgerKind kind : {LedgerKind::Expenses, LedgerKind::Income}) {
        const TaxnSide& s = side(kind);
        for (const TaxnRow& row : s.rows) {
            if (!row.labelName.isEmpty())
                add(row.labelName);
            add(row.totalBox);
            add(row.percentBox);
            add(row.resultBox);
        }
        for (const QString& object : {s.totalsBox, s.countBox, s.resultsBox, s.taxLabel, s.taxBox, s.grossBox})
            add(object);
        // A balance below 0 prints in the red object beside the blue one.
        const bool negative = isNegative(s.balanceBox);
        report.texts.append({s.balanceBox, negative ? QString() : text(s.balanceBox)});
        report.texts.append({s.balanceBox + QStringLiteral("Neg"), negative ? text(s.balanceBox) : QString()});
    }
    return report;
}

void TaxnController::PrintBtnClick()
{
    // A page with some rows of an earlier percentage would not add up.
    if (!m_problem.isEmpty()) {
        m_expenses.context().port.showMessage(m_problem);
        return;
    }
    if (m_reports)
        m_reports->showReport(RptTaxnBeforePrint());
}

} // namespace kelvora
