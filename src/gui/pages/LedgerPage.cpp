#include "gui/pages/LedgerPage.h"

#include "core/ledger/GstRate.h"
#include "core/settings/ColourScheme.h"
#include "core/settings/Settings.h"
#include "core/store/View.h"
#include "gui/pages/PageGrid.h"
#include "gui/pages/parts/LedgerTools.h"
#include "gui/pages/parts/SelectionBar.h"
#include "gui/pages/parts/TagToolsBar.h"
#include "gui/pages/parts/TotalsFooter.h"
#include "gui/widgets/ColourAdapter.h"
#include "gui/widgets/DataMemo.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/HandlerGuard.h"
#include "gui/widgets/RecordNavigator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kelvora {

namespace {
const char* const kNotesHint =
    "Record Notes: Double click to append Date and Time. Right click to Cut/Copy/Paste hilighted text.";
}

LedgerPage::LedgerPage(LedgerModel& model, HandlerGuard& guard, QWidget* parent)
    : PageBase(model.traits().page, guard, parent), m_model(model)
{
    const LedgerTraits& t = model.traits();
    setObjectName(t.tab);
    HeadPanel = makeHeadBand(t.head, model.heading(), this);
    SubHead = makeBand(t.subHead, QString(), this);
    using B = LedgerModel::EntryButton;
    CopyBtn = makeButton(t.copyButton, B::Copy);
    SplitBtn = makeButton(t.splitButton, B::Split);
    AddBtn = makeButton(t.addButton, B::Add);
    if (t.hasWithHeld)
        WithHoldBtn = makeButton(t.withHeldButton, B::WithHeld);
    buildRateBox();
    SumBtn = new GradientButton(QStringLiteral("Sum"), SubHead);
    SumBtn->setObjectName(t.sumButton);
    SumBtn->setStatusTip(QStringLiteral("Click if Red to recalculate Totals."));
    SumBtn->setMinimumSize(64, 26);
    SumBtn->setCaptionColour(Qt::white);
    addButton(SumBtn);
    connect(SumBtn, &QPushButton::clicked, this, &LedgerPage::SumClick);
    // The navigator stands in the heading band, beside the date, so the band
    // below has room for the buttons and the selection bar.
    Navigator = new RecordNavigator(model.view(), m_guard, HeadPanel);
    Navigator->setObjectName(t.navigator);
    Grid = makeGrid(model, t.grid);
    Grid->setColumns(model.columns());
    const bool expenses = t.kind == LedgerKind::Expenses;
    Selector = new SelectionBar(model.selection(), *Grid, m_guard,
                                expenses ? SelectionBar::Names{"ExpendSel", "ExpendFilter", "ExpendCombo", "AllExpensesBtn"}
                                         : SelectionBar::Names{"IncomeSel", "IncomeFilter", "IncomeCombo", "AllIncomeBtn"},
                                SubHead);

    auto* subLayout = new QHBoxLayout(SubHead);
    subLayout->setContentsMargins(6, 2, 6, 2);
    for (GradientButton* b : {CopyBtn, SplitBtn, AddBtn, WithHoldBtn})
        if (b)
            subLayout->addWidget(b);
    auto* rateLabel = new QLabel(QStringLiteral("Rate %"), SubHead);
    rateLabel->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    subLayout->addSpacing(12);
    subLayout->addWidget(rateLabel);
    subLayout->addWidget(RateBox);
    subLayout->addSpacing(12);
    subLayout->addWidget(SumBtn);
    subLayout->addSpacing(12);
    Selector->addTo(subLayout);
    subLayout->addStretch();
    auto* headLayout = new QHBoxLayout(HeadPanel);
    headLayout->setContentsMargins(6, 2, 6, 2);
    // The band below is full; the windows over the totals open from this one.
    Tools = new LedgerTools(model, *this, m_guard, HeadPanel);
    for (GradientButton* b : Tools->buttons())
        addButton(b);
    Tools->addTo(headLayout);
    headLayout->addStretch();
    headLayout->addWidget(Navigator, 0, Qt::AlignRight);

    Notes = new DataMemo(model.view(), QStringLiteral("Notes"), m_guard, this);
    Notes->setObjectName(t.notes);
    Notes->setStatusTip(QString::fromLatin1(kNotesHint));
    Notes->setFixedHeight(72);
    stampOnDoubleClick(Notes, model, t.noteBox);
    CopyNotesBtn = new GradientButton(QStringLiteral("Copy"), this);
    CopyNotesBtn->setObjectName(t.copyNotesButton);
    CopyNotesBtn->setStatusTip(QStringLiteral("Copy all notes to Clipboard"));
    CopyNotesBtn->setFixedSize(54, 24);
    CopyNotesBtn->setFocusPolicy(Qt::NoFocus);
    addButton(CopyNotesBtn);
    connect(CopyNotesBtn, &QPushButton::clicked, this, [this] {
        CopyNotesBtn->flipPressedLook(m_bandStart, m_bandEnd);
        Notes->selectAll();
        m_guard.run([this] { m_model.copyNotes(Notes->field()); });
    });
    auto* notesRow = new QHBoxLayout;
    notesRow->setSpacing(0);
    notesRow->addWidget(Notes, 1);
    notesRow->addWidget(CopyNotesBtn, 0, Qt::AlignTop);
    TagBand = makeBand(QStringLiteral("TagBand"), QString(), this);
    TagBar = new TagToolsBar(model.tagTools(), model.notesSearch(), *Grid, *Notes, m_guard, TagBand);
    for (GradientButton* b : TagBar->buttons())
        addButton(b);
    Footer = new TotalsFooter(model, this);
    addBand(Footer);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(HeadPanel);
    layout->addWidget(SubHead);
    layout->addWidget(TagBand);
    layout->addWidget(Grid, 1);
    layout->addLayout(notesRow);
    layout->addWidget(Footer);

    connect(&model, &LedgerModel::staleChanged, this, &LedgerPage::showStale);
    postOnExit(Notes, model);
    addColouredBox(Notes);
    addColouredBox(RateBox);
}

GradientButton* LedgerPage::makeButton(const EntryButtonText& text, LedgerModel::EntryButton which)
{
    auto* button = new GradientButton(text.caption, SubHead);
    button->setObjectName(text.name);
    button->setStatusTip(text.hint);
    button->setMinimumSize(64, 26);
    addButton(button);
    connect(button, &QPushButton::clicked, this, [this, button, which] { entryButtonClick(button, which); });
    return button;
}

void LedgerPage::buildRateBox()
{
    Settings& settings = m_model.context().settings;
    RateBox = new QLineEdit(settings.gstRate(), SubHead);
    RateBox->setObjectName(m_model.traits().rateBox);
    RateBox->setStatusTip(m_model.traits().rateHint);
    RateBox->setFixedWidth(56);
    RateBox->setAlignment(Qt::AlignRight);
    // Typed on the Expenses page the text becomes the rate; typed on the
    // Income page it is put back to the rate at once.
    const bool editsTheRate = m_model.traits().kind == LedgerKind::Expenses;
    connect(RateBox, &QLineEdit::textEdited, this, [this, &settings, editsTheRate](const QString& text) {
        m_guard.run([&] { gstrate::ApplyIncChange(settings, editsTheRate ? text : settings.gstRate()); });
        if (!editsTheRate)
            RateBox->setText(settings.gstRate());
    });
    connect(&settings, &Settings::valueChanged, this, [this](const QString& key, const QString& value) {
        if (key == settingName(SettingKey::ApplyRate) && RateBox->text() != value)
            RateBox->setText(value);
    });
}

void LedgerPage::entryButtonClick(GradientButton* button, LedgerModel::EntryButton which)
{
    button->flipPressedLook(m_bandStart, m_bandEnd);
    Grid->commitOpenEditor();
    const QString field = Grid->currentField();
    const bool done = m_guard.run([&] { m_model.entryButton(which, field); });
    if (done) {
        Grid->setCurrentField(QStringLiteral("Tag"));
        Grid->setFocus();
    }
    if (which == LedgerModel::EntryButton::WithHeld)
        button->setColours(m_bandEnd, m_bandStart);
}

void LedgerPage::SumClick()
{
    Grid->commitOpenEditor();
    m_guard.run([this] { m_model.Sum(); });
}

void LedgerPage::showStale(bool stale)
{
    SumBtn->setCaptionColour(stale ? Qt::red : Qt::white);
}

void LedgerPage::applyColourScheme(const ColourScheme& scheme)
{
    PageBase::applyColourScheme(scheme);
    m_bandStart = toQColor(scheme.bandStart);
    m_bandEnd = toQColor(scheme.bandEnd);
}

LedgerKind LedgerPage::kind() const
{
    return m_model.traits().kind;
}

} // namespace kelvora
