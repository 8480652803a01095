#include "gui/pages/parts/TagToolsBar.h"

#include "core/selection/NotesSearch.h"
#include "core/selection/TagTools.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/DataMemo.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/HandlerGuard.h"

#include <QHBoxLayout>
#include <QLabel>

namespace kelvora {

namespace {
struct PageNames
{
    const char* tag;
    const char* tagHint;
    const char* clear;
    const char* clearHint;
    const char* swap;
    const char* noteSearch;
    const char* noteSearchHint;
    const char* nextNote;
};

PageNames namesOf(SelectionPage page)
{
    switch (page) {
    case SelectionPage::Clients:
        return {"TagNamesBtn", "Tag All CURRENT Records", "ClrNamesTagsBtn",
                "Clear Tags from CURRENTLY FILTERED Records.", "SwapNamesBtn", "NamesNoteSrchBtn",
                "Search all Record Notes for some text.", "NamesNextNoteBtn"};
    case SelectionPage::Expenses:
        return {"TagExpendBtn", "Tags all CURRENT records.", "ClrExpendTagsBtn", "Clear Tags from all CURRENT records.",
                "SwapExpBtn", "ExpNoteSrchBtn", "Search all Record NOTES for some text.", "ExpNextNoteBtn"};
    case SelectionPage::Income:
        break;
    }
    return {"TagIncomeBtn", "Tags all CURRENT records.", "ClrIncomeTagsBtn", "Clear Tags from all CURRENT records.",
            "SwapIncBtn", "IncNoteSrchBtn", "Search all Record Notes for some text.", "IncNextNoteBtn"};
}

QLabel* groupLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    return label;
}
} // namespace

TagToolsBar::TagToolsBar(TagTools& tags, NotesSearch& search, DataGrid& grid, DataMemo& notes, HandlerGuard& guard,
                         QWidget* band)
    : QObject(band), m_tags(tags), m_search(search), m_grid(grid), m_notes(notes), m_guard(guard), m_band(band)
{
    const PageNames n = namesOf(tags.page());
    const bool clients = tags.page() == SelectionPage::Clients;
    m_layout = new QHBoxLayout(band);
    m_layout->setContentsMargins(6, 2, 6, 2);
    m_layout->addWidget(groupLabel(QStringLiteral("Tags"), band));
    TagBtn = add(QStringLiteral("Tag All"), n.tag, n.tagHint);
    ClrTagsBtn = add(QStringLiteral("Clear"), n.clear, n.clearHint);
    SwapBtn = add(QStringLiteral("Reverse"), n.swap,
                  "Reverse the Tags on all Records and Filter on newly tagged records.");
    if (clients) {
        PaidBtn = add(QStringLiteral("Paid"), "PaidBtn", "Show only paid entries,  ordered by PaidDate.");
        UnpaidBtn = add(QStringLiteral("Unpaid"), "UnpaidBtn", "Show outstanding amounts.");
        DOBbtn = add(QStringLiteral("Birthdays"), "DOBbtn", "Show clients with Birthdays within a month");
        ChekBtn = add(QStringLiteral("Duplicates"), "ChekBtn",
                      "Filter to hide records with duplicate Names and Company.");
    }
    m_layout->addSpacing(16);
    m_layout->addWidget(groupLabel(QStringLiteral("Notes"), band));
    NoteSrchBtn = add(QStringLiteral("Find"), n.noteSearch, n.noteSearchHint);
    NextNoteBtn = add(QStringLiteral("Next"), n.nextNote, "NEXT button, search for next record containing same text.");
    if (clients)
        LocateAsurname = add(QStringLiteral("Surname"), "LocateAsurname", "Locate Surname.");
    m_layout->addStretch();

    connect(TagBtn, &QPushButton::clicked, this, [this] { run({}, [this] { m_tags.tagAll(); }); });
    connect(ClrTagsBtn, &QPushButton::clicked, this, [this] { run({ClrTagsBtn}, [this] { m_tags.clearTags(); }); });
    connect(SwapBtn, &QPushButton::clicked, this, [this] { run({SwapBtn}, [this] { m_tags.reverse(); }); });
    if (clients) {
        connect(PaidBtn, &QPushButton::clicked, this, [this] { run({ClrTagsBtn}, [this] { m_tags.paid(); }); });
        connect(UnpaidBtn, &QPushButton::clicked, this, [this] { run({ClrTagsBtn}, [this] { m_tags.unpaid(); }); });
        connect(DOBbtn, &QPushButton::clicked, this, [this] { run({}, [this] { m_tags.birthdaysWithinAMonth(); }); });
        connect(ChekBtn, &QPushButton::clicked, this, [this] { run({ChekBtn}, [this] { m_tags.duplicates(); }); });
        connect(LocateAsurname, &QPushButton::clicked, this,
                [this] { run({LocateAsurname}, [this] { m_search.locateSurname(); }); });
    }
    connect(NoteSrchBtn, &QPushButton::clicked, this,
            [this] { run({NoteSrchBtn}, [this] { m_search.firstSearch(); }); });
    connect(NextNoteBtn, &QPushButton::clicked, this,
            [this] { run({NextNoteBtn}, [this] { m_search.nextSearch(); }); });

    connect(&m_tags, &TagTools::focusGrid, &m_grid, [this] { m_grid.setFocus(); });
    connect(&m_tags, &TagTools::currentColumnWanted, &m_grid,
            [this](const QString& field) { m_grid.setCurrentField(field); });
    connect(&m_search, &NotesSearch::found, &m_notes, [this](qsizetype start, qsizetype length) {
        m_notes.setFocus();
        m_notes.selectStoredRange(start, length);
    });
}

GradientButton* TagToolsBar::add(const QString& caption, const char* name, const char* hint)
{
    auto* button = new GradientButton(caption, m_band);
    button->setObjectName(QString::fromLatin1(name));
    button->setStatusTip(QString::fromLatin1(hint));
    button->setToolTip(QString::fromLatin1(hint));
    button->setMinimumSize(56, 24);
    m_layout->addWidget(button);
    return button;
}

QList<GradientButton*> TagToolsBar::buttons() const
{
    QList<GradientButton*> all;
    for (GradientButton* b : {TagBtn, ClrTagsBtn, SwapBtn, PaidBtn, UnpaidBtn, DOBbtn, ChekBtn, NoteSrchBtn,
                              NextNoteBtn, LocateAsurname})
        if (b)
            all.append(b);
    return all;
}

void TagToolsBar::flip(GradientButton* button)
{
    // The scheme's colours are taken from the Tag button, which never flips.
    button->flipPressedLook(TagBtn->startColour(), TagBtn->endColour());
}

void TagToolsBar::run(std::initializer_list<GradientButton*> flipped, const std::function<void()>& tool)
{
    for (GradientButton* b : flipped)
        flip(b);
    m_grid.commitOpenEditor();
    m_guard.run(tool);
}

} // namespace kelvora
