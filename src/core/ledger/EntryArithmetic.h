#pragma once

#include <optional>
#include <vector>

namespace kelvora {

// The amounts of one ledger record as the entry buttons see them: the taxable
// columns in their order, the tax-free column, Tax and Bank. An empty field is
// nullopt and counts as 0.
struct EntryAmounts
{
    std::vector<std::optional<double>> taxable;
    std::optional<double> taxFree;
    std::optional<double> tax;
    std::optional<double> bank;

    double taxableSum() const;
    double recordSum() const; // taxable columns and the tax-free column
    bool operator==(const EntryAmounts&) const = default;
};

// The entry buttons as pure functions of a record's amounts and the GST rate
// (a percentage: 10 for 10 %). Every amount they write is stored through its
// two-decimal text; a column they do not write keeps its value, empty included.
// Split and With-Held raise KelvoraError for a rate that divides by zero.
namespace entry {

// Expenses: Tax emptied, Bank := record sum.
EntryAmounts copyExpense(EntryAmounts a);
// Income: Tax kept, Bank := record sum + Tax.
EntryAmounts copyIncome(EntryAmounts a);
// Each non-zero taxable column to its net amount, Tax := the GST in the taxable
// sum as typed, Bank := the new record sum + Tax.
EntryAmounts split(EntryAmounts a, double rate);
// Tax := rate x taxable sum, Bank := record sum + Tax; the columns stay.
EntryAmounts add(EntryAmounts a, double rate);
// Income received net of tax withheld: Bank := the grossed-up columns, Tax :=
// what was withheld. With a tax-free amount (0 included) Bank is that amount
// alone and Tax is emptied.
EntryAmounts withHeld(EntryAmounts a, double rate);

// The summary check: both sides truncated after adding half a cent; the record
// passes when they agree, the columns plus Tax are not 0 and Bank is not empty.
bool summaryPasses(const EntryAmounts& a);
// The same check on sums already taken (empty fields counted as 0).
bool summaryBalances(double recordSum, double tax, bool hasBank, double bank);

} // namespace entry

} // namespace kelvora
