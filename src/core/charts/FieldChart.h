#pragma once

#include "core/ledger/LedgerKind.h"

#include <QList>
#include <QString>
#include <QtGlobal>

namespace kelvora {

class LedgerModel;
class PageSelection;

enum class ChartStyle { Pie, Bars };

// One column total as a slice or a bar.
struct ChartPoint
{
    QString label;
    quint32 colour; // 0x00BBGGRR
    double value;   // the column total, unchanged
    QString percent; // its share, "##0%"
};

// A field-total chart of a ledger page: the window's texts and one point per
// amount column, in column order.
struct FieldChart
{
    ChartStyle style;
    QString window;    // TGraphForm (pie) or TGraphForm2 (bars)
    QString caption;   // the window's caption
    QString title;     // "Expense", "Expense : Supplier = Acme"
    QString printHint; // the print button's hint
    QList<ChartPoint> points;

    // GraphExpBtnClick, GraphExpBtn2Click, GraphIncBtnClick, GraphIncBtn2Click:
    // the page's Sum over the records shown, then its chart.
    static FieldChart open(LedgerModel& ledger, ChartStyle style);
    // The chart of the totals last computed.
    static FieldChart of(const LedgerModel& ledger, ChartStyle style);
    static QString titleOf(LedgerKind kind, const PageSelection& selection);
    // GraphExpBtn, GraphExpBtn2, GraphIncBtn, GraphIncBtn2.
    static QString buttonName(LedgerKind kind, ChartStyle style);
    static QString buttonHint() { return QStringLiteral("View / Print Graph"); }

    // The sum the shares are taken of: every total counted by its size, so a
    // refund column shows a negative share and the shares of a pie add to 100%.
    double magnitude() const;
};

} // namespace kelvora
