#include "core/ledger/LedgerKind.h"

#include "core/pages/PageColumns.h"

namespace kelvora {

namespace {

const QString kSplitHint = QStringLiteral("For field entries which include Tax,  click to dissect out Tax and "
                                          "Re-calculate complete current record.");
const QString kAddHint = QStringLiteral("Records requiring tax to be added, - Adds total Tax for sum of all fields in "
                                        "record and writes Summary (Bank S/M) and Tax fields.");

FooterBox count(const char* box)
{
    return {QString::fromLatin1(box), FooterValue::Count, {}, QStringLiteral("No."), {}, {},
            QStringLiteral("Total Records")};
}

FooterBox field(const char* box, const char* field, const char* label, const char* hint)
{
    return {QString::fromLatin1(box), FooterValue::Field, QString::fromLatin1(field), QString::fromLatin1(label), {},
            {}, QString::fromLatin1(hint)};
}

FooterBox named(const char* box, const char* field, SettingKey key, const char* labelName, const char* hint)
{
    return {QString::fromLatin1(box), FooterValue::Field, QString::fromLatin1(field), {}, key,
            QString::fromLatin1(labelName), QString::fromLatin1(hint)};
}

FooterBox derived(const char* box, FooterValue value, const char* label, const char* hint)
{
    return {QString::fromLatin1(box), value, {}, QString::fromLatin1(label), {}, {}, QString::fromLatin1(hint)};
}

LedgerTraits makeExpenses()
{
    using K = SettingKey;
    LedgerTraits t{
        LedgerKind::Expenses,
        TableId::Expense,
        PageId::Expenses,
        RefCounter::Kind::Expenses,
        QStringLiteral("Date;Bus;Expense;Supplier;Invoice"),
        QStringLiteral("TabExpenses"),
        QStringLiteral("Expenses"),
        QStringLiteral("ExpHeadPanel"),
        QStringLiteral("ExpSubHead"),
        QStringLiteral("DBNavigator4"),
        QStringLiteral("ExpendGrid"),
        QStringLiteral("NoteExp"),
        NoteBox::NoteExp,
        QStringLiteral("ExpensesCopyNotesBtn"),
        &pagecolumns::expenses,
        {QStringLiteral("Office"), QStringLiteral("Other"), QStringLiteral("Phone"), QStringLiteral("F1"),
         QStringLiteral("F2"), QStringLiteral("F3"), QStringLiteral("F4"), QStringLiteral("F5"), QStringLiteral("F6")},
        QStringLiteral("F7"),
        false,
        false,
        QStringLiteral("Allocate Expense"),
        QStringLiteral("Expense Summary (Banked) amount did not equate with sum of expense columns. on the last "
                       "record.\r\n\r\nTHE RECORD MUST BE CORRECTED or the program may function incorrectly.\r\n\r\n"
                       "After editing a record, click either the \"Copy\", \"Add\" or \"Split\" button."),
        {QStringLiteral("ExpCopyBtn"), QStringLiteral("Copy"),
         QStringLiteral("Copy : Sum expense fields and write Summary (Bank Statement) field.")},
        {QStringLiteral("GSTBtn"), QStringLiteral("Split "), kSplitHint},
        {QStringLiteral("AddGSTBtn"), QStringLiteral("Add"), kAddHint},
        {},
        QStringLiteral("Apply"),
        QStringLiteral("Percentage Rate to use for GST."),
        QStringLiteral("TotExpBtn"),
        QStringLiteral("ExpendFooter"),
        {
            count("NoExp"),
            named("EdF1", "F1", K::E1, "LabF1", "Total"),
            named("EdF2", "F2", K::E2, "LabF2", "Total"),
            named("EdF3", "F3", K::E3, "LabF3", "Total"),
            named("EdF4", "F4", K::E4, "LabF4", "Total"),
            named("EdF5", "F5", K::E5, "LabF5", "Total"),
            named("EdF6", "F6", K::E6, "LabF6", "Total"),
            named("EdF7", "F7", K::E7, "LabF7", "Total"),
            field("OfficeExp", "Office", "Office", "Total Office Expense"),
            field("OtherExp", "Other", "Other", "Total Other Expense"),
            field("PhoneExp", "Phone", "Phone", "Total Phone Expense"),
            derived("TotalExp", FooterValue::Total, "Total Expenses", "Total Expense (Excluding Tax)"),
            named("GSTExp", "Tax", K::VAT, "ExpTaxLabel",
                  "Total Tax Expense paid to Tax Dept - EXCLUDED FROM TOTAL EXPENSE."),
            field("BankExp", "Bank", "Summary", "Total of Summary field ( = Bank Statement)"),
        },
    };
    return t;
}

LedgerTraits makeIncome()
{
    using K = SettingKey;
    LedgerTraits t{
        LedgerKind::Income,
        TableId::Income,
        PageId::Income,
        RefCounter::Kind::Income,
        QStringLiteral("Date;Bus;Incom;Sourc;Ref"),
        QStringLiteral("TabIncome"),
        QStringLiteral("Income"),
        QStringLiteral("IncHeadPanel"),
        QStringLiteral("IncSubHead"),
        QStringLiteral("DBNavigator1"),
        QStringLiteral("IncomeGrid"),
        QStringLiteral("NoteInc"),
        NoteBox::NoteInc,
        QStringLiteral("IncomeCopyNotesBtn"),
        &pagecolumns::income,
        {QStringLiteral("Interest"), QStringLiteral("Sales"), QStringLiteral("F1"), QStringLiteral("F2"),
         QStringLiteral("F3"), QStringLiteral("F4")},
        QStringLiteral("F5"),
        true,
        true,
        QStringLiteral("Allocate Income"),
        QStringLiteral("Income Summary amount did not equate with sum of income columns on the last record.\r\n\r\n"
                       "THE RECORD MUST BE CORRECTED or the program may function incorrectly.\r\n\r\nAfter editing "
                       "the record, click one of the \"Copy\", \"Add\", \"Split\" or \"With-Held\" buttons."),
        {QStringLiteral("IncCopyBtn"), QStringLiteral("Copy"),
         QStringLiteral("Copy : Sum income fields and write Summary (Bank Statement) field.")},
        {QStringLiteral("SplitIncGSTBtn"), QStringLiteral("Split "), kSplitHint},
        {QStringLiteral("AddIncGSTBtn"), QStringLiteral("Add"), kAddHint},
        {QStringLiteral("WithHoldBtn"), QStringLiteral("With-Held"),
         QStringLiteral("WITHHELD : Where tax was withheld enter the Net amount received.")},
        QStringLiteral("ApplyInc"),
        QStringLiteral("Percentage Rate to use for Tax."),
        QStringLiteral("TotIncBtn"),
        QStringLiteral("IncomeFooter"),
        {
            count("NoInc"),
            field("InterestInc", "Interest", "Interest", "Total Interest"),
            field("EdSales", "Sales", "Sales", "Total"),
            named("SpareInc1", "F1", K::I1, "Spare1", "Total"),
            named("SpareInc2", "F2", K::I2, "Spare2", "Total"),
            named("SpareInc3", "F3", K::I3, "Spare3", "Total"),
            named("SpareInc4", "F4", K::I4, "Spare4", "Total"),
            named("SpareInc5", "F5", K::I5, "Spare5", "Total"),
            derived("TotalInc", FooterValue::Total, "Total Income", "Total Income (excluding Tax)"),
            named("IncGST", "Tax", K::VAT, "IncTaxLabel", "Total Tax paid to Tax Dept - EXCLUDED FROM TOTAL INCOME."),
            field("BankInc", "Bank", "Summary", "Total of Summary field ( = Bank Statement)"),
            derived("Balance", FooterValue::Balance, "Balance",
                    "Total Income less Total Expenses (excluding Tax)  -  assumes identical filtering of Expense "
                    "then Income Grids."),
            derived("GSTBal", FooterValue::TaxBalance, "Tax Balance",
                    "Total Tax paid on Expenses less Total Tax owed on Income  -  assumes identical filtering of "
                    "Expense then Income Grids."),
        },
    };
    return t;
}

} // namespace

const LedgerTraits& ledgerTraits(LedgerKind kind)
{
    static const LedgerTraits expenses = makeExpenses();
    static const LedgerTraits income = makeIncome();
    return kind == LedgerKind::Expenses ? expenses : income;
}

} // namespace kelvora
