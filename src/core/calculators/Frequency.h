#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kelvora {

// The repayment frequencies a calculator offers. The borrowing calculators count a
// week as 365 / 7 periods a year; the savings calculators count 52 and have no
// fortnight.
enum class FrequencyTable
{
    Loan,     // the borrowing calculator
    Schedule, // the loan schedule, which also steps due dates by whole or part days
    Savings,  // the investment and both annuities
};

struct Frequency
{
    QString item;
    double perYear = 12;
    double days = 7; // days between due dates (loan schedule only)
};

const QList<Frequency>& frequencies(FrequencyTable table);
QStringList frequencyItems(FrequencyTable table);
// The frequency of an item index; with no item selected (a typed text) 12 periods a
// year and 7 days.
Frequency frequencyAt(FrequencyTable table, int index);
// The item whose text is exactly `text`, -1 when none is.
int frequencyIndexOf(FrequencyTable table, const QString& text);

} // namespace kelvora
