#include "gui/pages/DiaryPage.h"

#include "core/diary/DiaryModel.h"
#include "core/pages/PageColumns.h"
#include "core/settings/ColourScheme.h"
#include "core/store/View.h"
#include "gui/pages/PageGrid.h"
#include "gui/widgets/AnalogClock.h"
#include "gui/widgets/BlinkLabel.h"
#include "gui/widgets/ColourAdapter.h"
#include "gui/widgets/DataMemo.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/HandlerGuard.h"
#include "gui/widgets/MonthCalendar.h"
#include "gui/widgets/RecordNavigator.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
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
    connect(DiaryGrid, &QAbstractItemView::clicked, this, [this] {
        const QDate date = m_model.view().asDate(u"Date");
        if (date.isValid())
            Calendar->setCurrentDate(date);
    });
    connect(&m_model, &DiaryModel::calendarDateChanged, this, &DiaryPage::calendarDateShown);
    // Leaving the day's text, the dates or the panel beside them keeps what was typed.
    postOnExit(TealPanel, model);
    postOnExit(Daytime, model);
    addColouredBox(Calendar);
    addColouredBox(Daytime);
    addColouredBox(ToDo);
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
    ToDo->setStatusTip(QStringLiteral("To Do list: saved when Kelvora closes."));
    ToDo->setPlainText(m_model.toDo().text());
    ToDo->setFont(plainFont());
    connect(ToDo, &QPlainTextEdit::textChanged, this, [this] { m_model.toDo().setText(ToDo->toPlainText()); });
    Calendar = new MonthCalendar(TealPanel);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setStatusTip(QStringLiteral("Click to Select"));
    Clock = new AnalogClock(TealPanel);
    Clock->setObjectName(QStringLiteral("Clock"));
    Clock->setFixedSize(96, 96);
    NowBtn = new GradientButton(QStringLiteral("Today"), TealPanel);
    NowBtn->setObjectName(QStringLiteral("NowBtn"));
    NowBtn->setStatusTip(QStringLiteral("Return to Today"));
    NowBtn->setMinimumHeight(30);
    addButton(NowBtn);
    connect(NowBtn, &QPushButton::clicked, this, [this] { m_guard.run([this] { m_model.NowBtnClick(); }); });

    auto* tealLayout = new QVBoxLayout(TealPanel);
    tealLayout->setContentsMargins(8, 8, 8, 8);
    tealLayout->addWidget(ToDo, 1);
    tealLayout->addWidget(Calendar);
    auto* clockRow = new QHBoxLayout;
    clockRow->addWidget(Clock);
    clockRow->addStretch();
    clockRow->addWidget(NowBtn, 0, Qt::AlignBottom);
    tealLayout->addLayout(clockRow);
}

QWidget* DiaryPage::buildCentre()
{
    auto* centre = new QWidget(this);
    CalHead = makeBand(QStringLiteral("CalHead"), m_model.calendarHeading(), centre);
    CalHead->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* navigator = new RecordNavigator(m_model.view(), m_guard, CalHead);
    navigator->setObjectName(QStringLiteral("DiaryNavigator"));
    using B = RecordNavigator::Button;
    navigator->setVisibleButtons(RecordNavigator::Buttons(B::First) | B::Last | B::Delete | B::Edit | B::Post |
                                 B::Cancel | B::Refresh);
    auto* calHeadLayout = new QHBoxLayout(CalHead);
    calHeadLayout->setContentsMargins(6, 2, 6, 2);
    calHeadLayout->addStretch();
    calHeadLayout->addWidget(navigator);

    GradientPanel* diaryHeadPanel = makeBand(QStringLiteral("DiaryHeadPanel"), QString(), centre);
    DiaryHead = new BlinkLabel(diaryHeadPanel);
    DiaryHead->setObjectName(QStringLiteral("DiaryHead"));
    DiaryHead->setAlignment(Qt::AlignCenter);
    DiaryHead->setBlinkColour(Qt::black);
    QFont headFont(QStringLiteral("Georgia"));
    headFont.setBold(true);
    headFont.setPixelSize(18);
    DiaryHead->setFont(headFont);
    DiaryHead->setStyleSheet(QStringLiteral("color: white;"));
    auto* diaryHeadLayout = new QHBoxLayout(diaryHeadPanel);
    diaryHeadLayout->setContentsMargins(6, 2, 6, 2);
    diaryHeadLayout->addWidget(DiaryHead);

    Daytime = new DataMemo(m_model.view(), QStringLiteral("Day"), m_guard, centre);
    Daytime->setObjectName(QStringLiteral("Daytime"));
    Daytime->setLineWrapMode(QPlainTextEdit::NoWrap);
    Daytime->setStatusTip(
        QStringLiteral("Double click to append Date and Time, Right click to Cut/Copy/Paste hilighted text."));
    QFont dayFont = Daytime->font();
    dayFont.setPixelSize(15);
    Daytime->setFont(dayFont);

    auto* centreLayout = new QVBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->setSpacing(0);
    centreLayout->addWidget(CalHead);
    centreLayout->addWidget(diaryHeadPanel);
    centreLayout->addWidget(Daytime, 1);
    return centre;
}

void DiaryPage::applyColourScheme(const ColourScheme& scheme)
{
    PageBase::applyColourScheme(scheme);
    Clock->setHourHandColour(toQColor(scheme.bandEnd));
    Calendar->setBackgroundColour(toQColor(scheme.input));
}

void DiaryPage::pageShown()
{
    Daytime->setFocus();
}

void DiaryPage::shown()
{
    DiaryGrid->setCurrentField(QStringLiteral("Date"));
}

void DiaryPage::calendarDateShown(const QDate& date)
{
    if (Calendar->currentDate() != date)
        Calendar->setCurrentDate(date);
    DiaryHead->setText(m_model.diaryHeading(date));
    DiaryHead->setBlinking(date != m_model.context().today());
    Daytime->reload();
    QTextCursor cursor = Daytime->textCursor();
    cursor.movePosition(QTextCursor::End);
    Daytime->setTextCursor(cursor);
}

} // namespace kelvora
