#pragma once

#include "core/pages/GridColumn.h"
#include "core/pages/NoteStamp.h"
#include "core/pages/PageId.h"
#include "core/settings/SettingKey.h"
#include "core/store/RefCounter.h"
#include "core/store/Schema.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kelvora {

class Settings;

// The Expenses and Income pages are one page built twice; everything in which
// they differ is data here.
enum class LedgerKind { Expenses, Income };

// What one box of a page's footer shows.
enum class FooterValue { Count, Field, Total, Balance, TaxBalance };

// One box of the totals footer with its label.
struct FooterBox
{
    QString box;                     // NoExp, EdF1, ...
    FooterValue value;
    QString field;                   // for FooterValue::Field
    QString label;                   // the fixed caption, or the default of labelKey
    std::optional<SettingKey> labelKey; // a caption the user names (E1, I1, VAT)
    QString labelName;               // LabF1, Spare1, ExpTaxLabel ... (empty: a plain label)
    QString hint;
};

// One entry button of the page's band.
struct EntryButtonText
{
    QString name;
    QString caption;
    QString hint;
};

struct LedgerTraits
{
    LedgerKind kind;
    TableId table;
    PageId page;
    RefCounter::Kind refKind;
    QString startOrder; // the view's order when it is opened
    // Control names and texts of the page.
    QString tab, caption, head, subHead, navigator, grid, notes;
    NoteBox noteBox;         // how a double click stamps the notes
    QString copyNotesButton; // ExpensesCopyNotesBtn, IncomeCopyNotesBtn
    QList<GridColumn> (*columns)(const Settings& settings);

    // The amounts: taxable columns in the order the buttons treat them, and
    // the tax-free column.
    QStringList taxableFields;
    QString taxFreeField;
    bool copyKeepsTax;
    bool hasWithHeld;
    QString allocateMessage;  // "Allocate Expense"
    QString summaryWarning;   // the summary check's warning
    // The band's controls.
    EntryButtonText copyButton, splitButton, addButton, withHeldButton;
    QString rateBox, rateHint, sumButton;
    // The footer.
    QString footer;
    QList<FooterBox> footerBoxes;
};

const LedgerTraits& ledgerTraits(LedgerKind kind);

} // namespace kelvora
