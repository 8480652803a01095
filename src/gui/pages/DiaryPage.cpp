#include "gui/pages/DiaryPage.h"

#include "core/diary/DiaryModel.h"
#include "core/diary/DiarySearch.h"
#include "core/selection/DayHighlight.h"
#include "core/diary/DiarySelection.h"
#include "core/diary/EventLine.h"
#include "core/pages/PageColumns.h"
#include "core/store/View.h"
#include "gui/pages/PageGrid.h"
#include "gui/widgets/AnalogClock.h"
#include "gui/widgets/BlinkLabel.h"
#include "gui/widgets/ClickHook.h"
#include "gui/widgets/ColourAdapter.h"
#include "gui/widgets/DataMemo.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/HandlerGuard.h"
#include "gui/widgets/MonthCalendar.h"
#include "gui/widgets/RecordNavigator.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kelvora {

DiaryPage::DiaryPage(DiaryModel& model, HandlerGuard& guard, QWidget* parent)
    : PageBase(PageId::Diary, guard, parent), m_model(model)
{
    setObjectName(QStringLiteral("TabDiary"));
    buildTealPanel();
    QWidget* centre = buildCentre();

    DiaryGrid = makeGrid(model, QStringLiteral("DiaryGrid"));
    DiaryGrid->setColumns(pagecolumns::diary());
    DiaryGrid->setBoldEnteredTitle(false);
    DiaryGrid->setStatusTip(QStringLiteral("Tag with   y   as required for filtering and printing.   Change field to "
                                           "update Diary Notes heading and Calendar Date."));
    DiaryGrid->setFixedWidth(178);
    DiaryGrid->horizontalHeader()->setStretchLastSection(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TealPanel);
    layout->addWidget(centre, 1);
    layout->addWidget(DiaryGrid);

    connect(Calendar, &MonthCalendar::dateChanged, this, [this](const QDate& date) {
        if (date != m_model.calendarDate())
            m_guard.run([this, date] { m_model.calendarChange(date); });
    });
    connect(Calendar, &QCalendarWidget::clicked, this, [this] {
        Daytime->setFocus();
        m_guard.run([this] { m_model.CalendarClick(); });
    });
    connect(DiaryGrid, &QAbstractItemView::clicked, this,
            [this] { m_guard.run([this] { m_model.DiaryGridMouseUp(); }); });
    connect(&m_model, &DiaryModel::calendarDateChanged, this, &DiaryPage::calendarDateShown);
    connect(&m_model, &DiaryModel::gridTintChanged, this, &DiaryPage::gridTintShown);
    connect(&m_model, &DiaryModel::selectionShownChanged, this, &DiaryPage::selectionShown);
    connect(&m_model, &DiaryModel::occurrenceSelected, this, &DiaryPage::occurrenceShown);
    connect(&m_model.eventLine(), &EventLine::changed, this, &DiaryPage::eventLineShown);
    ClickHook::onDoubleClick(Daytime, [this] {
        m_guard.run([this] { m_model.DaytimeDblClick(); });
        caretToEnd();
    });
    // Leaving the day's text, the dates or the panel beside them keeps what was typed.
    postOnExit(TealPanel, model);
    postOnExit(Daytime, model);
    addColouredBox(Calendar);
    addColouredBox(Daytime);
    addColouredBox(ToDo);
}

GradientButton* DiaryPage::stepButton(const QString& name, const QString& caption, const QString& hint,
                                      void (DiaryModel::*handler)())
{
    auto* button = new GradientButton(caption, TealPanel);
    button->setObjectName(name);
    button->setStatusTip(hint);
    button->setMinimumHeight(26);
    button->setCornerRadius(9);
    addButton(button);
    connect(button, &QPushButton::clicked, this, [this, handler] { m_guard.run([this, handler] { (m_model.*handler)(); }); });
    return button;
}

void DiaryPage::buildTealPanel()
{
    TealPanel = new GradientPanel(this);
    TealPanel->setObjectName(QStringLiteral("TealPanel"));
    TealPanel->setDirection(GradientDirection::Vertical);
    TealPanel->setFixedWidth(300);
    addBand(TealPanel);

    ToDo = new QPlainTextEdit(TealPanel);
    ToDo->setObjectName(QStringLiteral("ToDo"));
    ToDo->setStatusTip(QStringLiteral("To Do list: saved when Kelvora closes. Double click to append Date and Time."));
    ToDo->setPlainText(m_model.toDo().text());
    ToDo->setFont(plainFont());
    connect(ToDo, &QPlainTextEdit::textChanged, this, [this] { m_model.toDo().setText(ToDo->toPlainText()); });
    ClickHook::onDoubleClick(ToDo, [this] {
        m_guard.run([this] { m_model.ToDoDblClick(); });
        ToDo->setPlainText(m_model.toDo().text());
        ToDo->moveCursor(QTextCursor::End);
    });

    Event = new QLabel(m_model.eventLine().caption(), TealPanel);
    Event->setObjectName(QStringLiteral("Event"));
    Event->setAutoFillBackground(true);
    Event->setContentsMargins(4, 2, 4, 2);
    QFont eventFont = plainFont();
    eventFont.setBold(true);
    Event->setFont(eventFont);
    ClickHook::onClick(Event, [this] { m_guard.run([this] { m_model.eventLine().EventClick(); }); });
    ClickHook::onDoubleClick(Event, [this] { m_guard.run([this] { m_model.eventLine().EventDblClick(); }); });

    NextWeekBtn = stepButton(QStringLiteral("NextWeekBtn"), QStringLiteral("Week "),
                             QStringLiteral("Next Week (from current Calendar date)"), &DiaryModel::NextWeekBtnClick);
    Next2WeekBtn = stepButton(QStringLiteral("Next2WeekBtn"), QStringLiteral("+2 Wk"),
                              QStringLiteral("Next Week (from current Calendar date)"), &DiaryModel::Next2WeekBtnClick);
    NextMonthBtn = stepButton(QStringLiteral("NextMonthBtn"), QStringLiteral("Month"),
                              QStringLiteral("Next Month (from current Calendar date)"),
                              &DiaryModel::NextMonthBtnClick);
    SixMthBtn = stepButton(QStringLiteral("SixMthBtn"), QStringLiteral("6 Mth"),
                           QStringLiteral("Next Month (from current Calendar date)"), &DiaryModel::SixMthBtnClick);
    NextYrBtn = stepButton(QStringLiteral("NextYrBtn"), QStringLiteral("Year "),
                           QStringLiteral("Next Year (from current Calendar date)"), &DiaryModel::NextYrBtnClick);
    PrevWeekBtn = stepButton(QStringLiteral("PrevWeekBtn"), QStringLiteral("Week"),
                             QStringLiteral("Prior Week (from current Calendar date)"), &DiaryModel::PrevWeekBtnClick);
    Prev2WeekBtn = stepButton(QStringLiteral("Prev2WeekBtn"), QStringLiteral("-2 Wk"),
                              QStringLiteral("Prior Week (from current Calendar date)"),
                              &DiaryModel::Prev2WeekBtnClick);
    PrevMonthBtn = stepButton(QStringLiteral("PrevMonthBtn"), QStringLiteral("Month"),
                              QStringLiteral("Prior Month (from current Calendar date)"),
                              &DiaryModel::PrevMonthBtnClick);
    DateBtn = stepButton(QStringLiteral("DateBtn"), QStringLiteral("Date "), QStringLiteral("Find a specific date"),
                         &DiaryModel::DateBtnClick);
    PrevYrBtn = stepButton(QStringLiteral("PrevYrBtn"), QStringLiteral(" Year"),
                           QStringLiteral("Prior Year (from current Calendar date)"), &DiaryModel::PrevYrBtnClick);
    NowBtn = stepButton(QStringLiteral("NowBtn"), QStringLiteral("Today"), QStringLiteral("Return to Today"),
                        &DiaryModel::NowBtnClick);
    NowBtn->setMinimumHeight(30);

    Calendar = new MonthCalendar(TealPanel);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setStatusTip(QStringLiteral("Click to Select"));
    Clock = new AnalogClock(TealPanel);
    Clock->setObjectName(QStringLiteral("Clock"));
    Clock->setFixedSize(96, 96);

    auto* tealLayout = new QVBoxLayout(TealPanel);
    tealLayout->setContentsMargins(8, 8, 8, 8);
    tealLayout->setSpacing(5);
    tealLayout->addWidget(ToDo, 1);
    tealLayout->addWidget(Event);
    auto* upper = new QHBoxLayout;
    upper->setSpacing(3);
    for (GradientButton* b : {NextWeekBtn, Next2WeekBtn, NextMonthBtn, SixMthBtn, NextYrBtn})
        upper->addWidget(b);
    tealLayout->addLayout(upper);
    tealLayout->addWidget(Calendar);
    auto* lower = new QHBoxLayout;
    lower->setSpacing(3);
    for (GradientButton* b : {PrevWeekBtn, Prev2WeekBtn, PrevMonthBtn, DateBtn, PrevYrBtn})
        lower->addWidget(b);
    tealLayout->addLayout(lower);
    auto* clockRow = new QHBoxLayout;
    clockRow->addWidget(Clock);
    clockRow->addStretch();
    clockRow->addWidget(NowBtn, 0, Qt::AlignBottom);
    tealLayout->addLayout(clockRow);
}

GradientButton* DiaryPage::glyphButton(const QString& name, const QString& glyph, const QString& hint,
                                       QWidget* parent, const std::function<void()>& handler)
{
    auto* button = new GradientButton(glyph, parent);
    button->setObjectName(name);
    button->setStatusTip(hint);
    button->setFixedSize(std::max(30, button->fontMetrics().horizontalAdvance(glyph) + 16), 26);
    button->setCornerRadius(5);
    button->setFocusPolicy(Qt::NoFocus); // the day's text keeps the caret
    m_glyphButtons.append(button);
    connect(button, &QPushButton::clicked, this, [this, button, handler] {
        flip(button);
        m_guard.run(handler);
    });
    return button;
}

void DiaryPage::flip(GradientButton* button)
{
    button->flipPressedLook(toQColor(m_scheme.bandStart), toQColor(m_scheme.bandEnd));
}

QWidget* DiaryPage::buildCentre()
{
    auto* centre = new QWidget(this);
    buildCalHead(centre);
    buildDiaryHead(centre);

    Daytime = new DataMemo(m_model.view(), QStringLiteral("Day"), m_guard, centre);
    Daytime->setObjectName(QStringLiteral("Daytime"));
    Daytime->setLineWrapMode(QPlainTextEdit::NoWrap);
    Daytime->setStatusTip(
        QStringLiteral("Double click to append Date and Time, Right click to Cut/Copy/Paste hilighted text."));
    QFont dayFont = Daytime->font();
    dayFont.setPixelSize(15);
    Daytime->setFont(dayFont);
    // An occurrence a search shows stays visible while a question box has the focus.
    QPalette dayPalette = Daytime->palette();
    dayPalette.setColor(QPalette::Inactive, QPalette::Highlight, dayPalette.color(QPalette::Active, QPalette::Highlight));
    dayPalette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                        dayPalette.color(QPalette::Active, QPalette::HighlightedText));
    Daytime->setPalette(dayPalette);

    auto* centreLayout = new QVBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->setSpacing(0);
    centreLayout->addWidget(CalHead);
    centreLayout->addWidget(DiaryHeadPanel);
    centreLayout->addWidget(Daytime, 1);
    return centre;
}

void DiaryPage::buildCalHead(QWidget* centre)
{
    CalHead = makeBand(QStringLiteral("CalHead"), m_model.calendarHeading(), centre);
    CalHead->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    DiarySel = new QComboBox(CalHead);
    DiarySel->setObjectName(QStringLiteral("DiarySel"));
    DiarySel->addItems(DiarySelection::kEntries);
    DiarySel->setMaxVisibleItems(5);
    DiarySel->setMinimumWidth(120);
    DiarySel->setFont(plainFont());
    DiarySel->setStatusTip(QStringLiteral("Filter Diary Records / Search for records containing Information."));
    // Picking the entry already shown runs the selection again.
    connect(DiarySel, &QComboBox::activated, this,
            [this](int index) { m_guard.run([this, index] { m_model.selection().DiarySelChange(index); }); });

    ClearDiaryTagsBtn =
        glyphButton(QStringLiteral("ClearDiaryTagsBtn"), QStringLiteral("\u2717 y"),
                    QStringLiteral("Turn Filter off and Clear Tags from all Records."), CalHead, [this] {
                        m_model.selection().ClearDiaryTagsBtnClick();
                        ClearDiaryTagsBtn->setColours(toQColor(m_scheme.bandEnd), toQColor(m_scheme.bandStart));
                    });

    DiaryNavigator = new RecordNavigator(m_model.view(), m_guard, CalHead);
    DiaryNavigator->setObjectName(QStringLiteral("DiaryNavigator"));
    using B = RecordNavigator::Button;
    DiaryNavigator->setVisibleButtons(RecordNavigator::Buttons(B::First) | B::Last | B::Delete | B::Edit | B::Post |
                                      B::Cancel | B::Refresh);

    auto* calHeadLayout = new QHBoxLayout(CalHead);
    calHeadLayout->setContentsMargins(6, 2, 6, 2);
    calHeadLayout->setSpacing(6);
    // The band's caption is painted at its left: the controls start after it
    // while the window is wide enough.
    calHeadLayout->addItem(new QSpacerItem(QFontMetrics(CalHead->font()).horizontalAdvance(CalHead->caption()) + 16,
                                           0, QSizePolicy::Preferred, QSizePolicy::Minimum));
    calHeadLayout->addStretch();
    calHeadLayout->addWidget(DiarySel);
    calHeadLayout->addWidget(ClearDiaryTagsBtn);
    calHeadLayout->addSpacing(12);
    calHeadLayout->addWidget(DiaryNavigator);
}

void DiaryPage::buildDiaryHead(QWidget* centre)
{
    DiaryHeadPanel = makeBand(QStringLiteral("DiaryHeadPanel"), QString(), centre);
    DiaryHeadPanel->setMinimumHeight(38);
    DiaryHeadPanel->setMaximumHeight(42);

    auto* searches = new QFrame(DiaryHeadPanel);
    searches->setObjectName(QStringLiteral("Searches"));
    searches->setStatusTip(QStringLiteral("Searches"));
    searches->setFrameShape(QFrame::StyledPanel);
    const auto searchButton = [this, searches](const QString& name, const QString& glyph, const QString& hint,
                                               void (DiarySearch::*handler)()) {
        return glyphButton(name, glyph, hint, searches, [this, handler] { (m_model.search().*handler)(); });
    };
    PriorBtn = searchButton(QStringLiteral("PriorBtn"), QStringLiteral("\u2039"),
                            QStringLiteral("Search for prior entry."), &DiarySearch::PriorBtnClick);
    RevScanBtn = searchButton(QStringLiteral("RevScanBtn"), QStringLiteral("\u00AB"),
                              QStringLiteral("Scan BACKWARDS from current calendar date for some text."),
                              &DiarySearch::RevScanBtnClick);
    SearchBtn = searchButton(QStringLiteral("SearchBtn"), QStringLiteral("Find"),
                             QStringLiteral("Search from beginning of Diary for some text."),
                             &DiarySearch::SearchBtnClick);
    ScanBtn = searchButton(QStringLiteral("ScanBtn"), QStringLiteral("\u00BB"),
                           QStringLiteral("Scan from current calendar date for some text."), &DiarySearch::ScanBtnClick);
    NextBtn = searchButton(QStringLiteral("NextBtn"), QStringLiteral("\u203A"), QStringLiteral("Search for next."),
                           &DiarySearch::NextBtnClick);
    ReplaceBtn = searchButton(QStringLiteral("ReplaceBtn"), QStringLiteral("A\u2192B"),
                              QStringLiteral("Search and Replace throughout ENTIRE diary database"),
                              &DiarySearch::ReplaceBtnClick);
    m_highlight = new DayHighlight(
        m_model.context().port, [this] { return m_model.searchText(); },
        [this](const QString& text) { m_model.setSearchText(text); }, this);
    connect(m_highlight, &DayHighlight::occurrenceShown, this, &DiaryPage::occurrenceShown);
    ScrollBtn = glyphButton(QStringLiteral("ScrollBtn"), QStringLiteral("\u21BB"),
                            QStringLiteral("HighLight search text ON CURRENT DATE  -  Cycles thru this Diary date."),
                            searches, [this] {
                                Daytime->setFocus();
                                m_highlight->start(Daytime->storedText());
                            });
    auto* searchLayout = new QHBoxLayout(searches);
    searchLayout->setContentsMargins(3, 2, 3, 2);
    searchLayout->setSpacing(2);
    for (GradientButton* b : {PriorBtn, RevScanBtn, SearchBtn, ScanBtn, NextBtn, ReplaceBtn, ScrollBtn})
        searchLayout->addWidget(b);

    DiaryHead = new BlinkLabel(DiaryHeadPanel);
    DiaryHead->setObjectName(QStringLiteral("DiaryHead"));
    DiaryHead->setAlignment(Qt::AlignCenter);
    DiaryHead->setBlinkColour(Qt::black);
    DiaryHead->setInterval(500);
    QFont headFont(QStringLiteral("Georgia"));
    headFont.setBold(true);
    headFont.setPixelSize(18);
    DiaryHead->setFont(headFont);
    DiaryHead->setStyleSheet(QStringLiteral("color: white;"));
    // A long day name must not widen the window.
    DiaryHead->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    DiaryHead->setMinimumWidth(1);

    DayPos = new GradientButton(QStringLiteral("\u21D5"), DiaryHeadPanel);
    DayPos->setObjectName(QStringLiteral("DayPos"));
    DayPos->setStatusTip(QStringLiteral("Toggle top to bottom of current Diary Note "));
    DayPos->setFixedSize(30, 26);
    DayPos->setCornerRadius(5);
    DayPos->setFocusPolicy(Qt::NoFocus);
    addButton(DayPos);
    connect(DayPos, &QPushButton::clicked, this, &DiaryPage::DayPosClick);
    MateBtn = new GradientButton(QStringLiteral("Mate"), DiaryHeadPanel);
    MateBtn->setObjectName(QStringLiteral("MateBtn"));
    MateBtn->setStatusTip(QStringLiteral("Start another program file."));
    MateBtn->setFixedHeight(26);
    MateBtn->setCornerRadius(9);
    MateBtn->setFocusPolicy(Qt::NoFocus);
    addButton(MateBtn);
    connect(MateBtn, &QPushButton::clicked, this, [this] {
        flip(MateBtn);
        m_guard.run([this] { m_model.MateBtnClick(); });
    });
    DiaryCopyNotesBtn = glyphButton(QStringLiteral("DiaryCopyNotesBtn"), QStringLiteral("Copy"),
                                    QStringLiteral("Copy all notes to Clipboard"), DiaryHeadPanel, [this] {
                                        Daytime->selectAll();
                                        m_model.DiaryCopyNotesBtnClick();
                                    });

    auto* layout = new QHBoxLayout(DiaryHeadPanel);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(6);
    layout->addWidget(searches);
    layout->addWidget(DiaryHead, 1);
    layout->addWidget(DayPos);
    layout->addWidget(MateBtn);
    layout->addWidget(DiaryCopyNotesBtn);
}

void DiaryPage::applyColourScheme(const ColourScheme& scheme)
{
    PageBase::applyColourScheme(scheme);
    m_scheme = scheme;
    Clock->setHourHandColour(toQColor(scheme.bandEnd));
    Calendar->setBackgroundColour(toQColor(scheme.input));
    QPalette eventPalette = Event->palette();
    eventPalette.setColor(QPalette::Window, toQColor(scheme.input));
    Event->setPalette(eventPalette);
    for (GradientButton* button : std::as_const(m_glyphButtons))
        button->setColours(toQColor(scheme.bandEnd), toQColor(scheme.bandStart));
}

void DiaryPage::pageShown()
{
    Daytime->setFocus();
}

void DiaryPage::shown()
{
    DiaryGrid->setCurrentField(QStringLiteral("Date"));
    m_guard.run([this] { m_model.eventLine().EventClick(); });
}

void DiaryPage::DayPosClick()
{
    Daytime->setFocus();
    Daytime->moveCursor(Daytime->textCursor().selectionStart() != 0 ? QTextCursor::Start : QTextCursor::End);
}

void DiaryPage::caretToEnd()
{
    Daytime->moveCursor(QTextCursor::End);
}

void DiaryPage::calendarDateShown(const QDate& date)
{
    if (Calendar->currentDate() != date)
        Calendar->setCurrentDate(date);
    DiaryHead->setText(m_model.diaryHeading(date));
    DiaryHead->setBlinking(m_model.headingBlinks());
    Daytime->reload();
    // The dates keep the focus while the user works in them.
    if (!DiaryGrid->hasFocus())
        Daytime->setFocus();
    caretToEnd();
}

void DiaryPage::gridTintShown(DiaryTint tint)
{
    switch (tint) {
    case DiaryTint::Black: DiaryGrid->setTextColour(Qt::black); break;
    case DiaryTint::Red: DiaryGrid->setTextColour(Qt::red); break;
    case DiaryTint::Blue: DiaryGrid->setTextColour(Qt::blue); break;
    }
}

void DiaryPage::selectionShown(int index)
{
    const QSignalBlocker blocker(DiarySel);
    DiarySel->setCurrentIndex(index);
}

void DiaryPage::occurrenceShown(qsizetype start, qsizetype length)
{
    Daytime->setFocus();
    Daytime->selectStoredRange(start, length);
}

void DiaryPage::eventLineShown()
{
    Event->setText(m_model.eventLine().caption());
    Event->setStatusTip(m_model.eventLine().hint());
    Event->setToolTip(m_model.eventLine().hint());
}

} // namespace kelvora
