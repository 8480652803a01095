#include "core/charts/FieldChart.h"

#include "core/format/ColourText.h"
#include "core/format/NumberText.h"
#include "core/ledger/LedgerModel.h"
#include "core/selection/PageSelection.h"
#include "core/settings/Settings.h"

#include <cmath>

namespace kelvora {

namespace {

struct Column
{
    const char* field;
    const char* label;         // a fixed label
    std::optional<SettingKey> named; // or the name the user gave the column
    const char* colour;
};

const QList<Column>& columns(LedgerKind kind)
{
    using K = SettingKey;
    static const QList<Column> expenses{
        {"Office", "Office", {}, "clRed"}, {"Other", "Other", {}, "clBlue"}, {"Phone", "Phone", {}, "clGreen"},
        {"F1", "", K::E1, "clOlive"},      {"F2", "", K::E2, "clAqua"},       {"F3", "", K::E3, "clLime"},
        {"F4", "", K::E4, "clFuchsia"},    {"F5", "", K::E5, "clSilver"},     {"F6", "", K::E6, "clTeal"},
        {"F7", "", K::E7, "clPurple"},
    };
    static const QList<Column> income{
        {"Interest", "Interest", {}, "clTeal"}, {"Sales", "Sales", {}, "clRed"}, {"F1", "", K::I1, "clBlue"},
        {"F2", "", K::I2, "clAqua"},            {"F3", "", K::I3, "clLime"},     {"F4", "", K::I4, "clFuchsia"},
        {"F5", "", K::I5, "clGreen"},
    };
    return kind == LedgerKind::Expenses ? expenses : income;
}

} // namespace

QString FieldChart::buttonName(LedgerKind kind, ChartStyle style)
{
    const QString page = kind == LedgerKind::Expenses ? QStringLiteral("GraphExpBtn") : QStringLiteral("GraphIncBtn");
    return style == ChartStyle::Pie ? page : page + QLatin1Char('2');
}

QString FieldChart::titleOf(LedgerKind kind, const PageSelection& selection)
{
    const QString base = kind == LedgerKind::Expenses ? QStringLiteral("Expense") : QStringLiteral("Income");
    if (selection.fieldIndex() == 0 || selection.filterText() == QLatin1String("y"))
        return base;
    const SelectionPage page = kind == LedgerKind::Expenses ? SelectionPage::Expenses : SelectionPage::Income;
    return base + QStringLiteral(" : ") + fieldItems(page).at(selection.fieldIndex()).label + QStringLiteral(" = ")
           + selection.filterText();
}

FieldChart FieldChart::open(LedgerModel& ledger, ChartStyle style)
{
    ledger.Sum();
    return of(ledger, style);
}

FieldChart FieldChart::of(const LedgerModel& ledger, ChartStyle style)
{
    const LedgerKind kind = ledger.traits().kind;
    const bool expenses = kind == LedgerKind::Expenses;
    FieldChart chart;
    chart.style = style;
    if (style == ChartStyle::Pie) {
        chart.window = QStringLiteral("TGraphForm");
        chart.caption = expenses ? QStringLiteral(" Graph of Totals") : QStringLiteral(" Income - Field Totals");
        chart.printHint = QStringLiteral("Print Graph");
    } else {
        chart.window = QStringLiteral("TGraphForm2");
        chart.caption = expenses ? QStringLiteral(" Expenses - Field Totals") : QStringLiteral(" Income - Field Totals");
        chart.printHint = QStringLiteral("Print the graph");
    }
    chart.title = titleOf(kind, ledger.selection());
    const Settings& settings = ledger.context().settings;
    for (const Column& c : columns(kind)) {
        const QString label = c.named ? settings.value(*c.named) : QString::fromLatin1(c.label);
        chart.points.append({label, *parseColourText(QString::fromLatin1(c.colour)),
                             ledger.totals().sum(QString::fromLatin1(c.field)), {}});
    }
    const double whole = chart.magnitude();
    for (ChartPoint& p : chart.points)
        p.percent = formatFloatPattern(QStringLiteral("##0%"), whole > 0.0 ? 100.0 * p.value / whole : 0.0,
                                       ledger.context().regional);
    return chart;
}

double FieldChart::magnitude() const
{
    double sum = 0.0;
    for (const ChartPoint& p : points)
        sum += std::abs(p.value);
    return sum;
}

} // namespace kelvora
