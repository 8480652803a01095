#include "core/ledger/EntryArithmetic.h"

#include "core/base/KelvoraError.h"
#include "core/format/Cents.h"

#include <cmath>

namespace kelvora {

namespace {

double valueOf(const std::optional<double>& v)
{
    return v.value_or(0.0);
}

// What a field holds once the amount was assigned through its two-decimal text.
double stored(double v)
{
    return twoDecimalValue(v);
}

void requireDivisor(double divisor, double rate)
{
    if (divisor == 0.0)
        throw KelvoraError(QStringLiteral("A tax rate of %1 % cannot be used here: it divides by zero.")
                               .arg(QString::number(rate)));
}

} // namespace

double EntryAmounts::taxableSum() const
{
    double sum = 0.0;
    for (const auto& v : taxable)
        sum += valueOf(v);
    return sum;
}

double EntryAmounts::recordSum() const
{
    return taxableSum() + valueOf(taxFree);
}

namespace entry {

EntryAmounts copyExpense(EntryAmounts a)
{
    a.tax.reset();
    a.bank = stored(a.recordSum());
    return a;
}

EntryAmounts copyIncome(EntryAmounts a)
{
    a.bank = stored(a.recordSum() + valueOf(a.tax));
    return a;
}

EntryAmounts split(EntryAmounts a, double rate)
{
    requireDivisor(rate + 100.0, rate);
    const double gst = a.taxableSum();
    for (auto& v : a.taxable) {
        if (valueOf(v) != 0.0)
            v = stored(roundCents(*v * 100.0 / (rate + 100.0)));
    }
    a.tax = gst == 0.0 ? 0.0 : stored(roundCents(rate * gst / (rate + 100.0)));
    a.bank = stored(a.recordSum() + *a.tax);
    return a;
}

EntryAmounts add(EntryAmounts a, double rate)
{
    const double net = a.taxableSum();
    a.tax = net == 0.0 ? 0.0 : stored(rate * net / 100.0);
    a.bank = stored(a.recordSum() + *a.tax);
    return a;
}

EntryAmounts withHeld(EntryAmounts a, double rate)
{
    if (a.taxFree) {
        a.tax.reset();
        a.bank = stored(*a.taxFree);
        return a;
    }
    requireDivisor(100.0 - rate, rate);
    const double received = a.recordSum();
    double gross = 0.0;
    for (const auto& v : a.taxable) {
        if (valueOf(v) != 0.0)
            gross += roundCents(*v * 100.0 / (100.0 - rate));
    }
    a.bank = stored(gross);
    a.tax = stored(gross - received);
    return a;
}

bool summaryPasses(const EntryAmounts& a)
{
    return summaryBalances(a.recordSum(), valueOf(a.tax), a.bank.has_value(), valueOf(a.bank));
}

bool summaryBalances(double recordSum, double tax, bool hasBank, double bank)
{
    // Int(x * 100 + 0.5) / 100 on both sides, truncating toward zero.
    const double t = std::trunc((recordSum + tax) * 100.0 + 0.5) / 100.0;
    const double b = std::trunc(bank * 100.0 + 0.5) / 100.0;
    return hasBank && t != 0.0 && b == t;
}

} // namespace entry

} // namespace kelvora
