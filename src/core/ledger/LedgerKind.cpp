#include "core/ledger/LedgerKind.h"

#include "core/pages/PageColumns.h"

namespace kelvora {

const LedgerTraits& ledgerTraits(LedgerKind kind)
{
    static const LedgerTraits expenses{
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
        &pagecolumns::expenses,
    };
    static const LedgerTraits income{
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
        &pagecolumns::income,
    };
    return kind == LedgerKind::Expenses ? expenses : income;
}

} // namespace kelvora
