#include "gui/dialogs/diary/TCalForm.h"

#include "core/app/MainModel.h"
#include "gui/widgets/AnalogClock.h"
#include "gui/widgets/BlinkLabel.h"
#include "gui/widgets/ColourAdapter.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/MonthCalendar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kelvora {

TCalForm::TCalForm(const ColourScheme& scheme, const Regional& regional, std::function<QDate()> today,
                   QWidget* parent)
    : QDialog(parent), m_scheme(scheme), m_calendar(regional, std::move(today))
{
    setObjectName(QStringLiteral("TCalForm"));
    setWindowTitle(QStringLiteral(" Calendar"));
    setFixedSize(410, 423);
    setModal(true);
    const QColor grad1 = toQColor(scheme.bandStart);
    const QColor grad2 = toQColor(scheme.bandEnd);

    CalHeadPanel = new GradientPanel(this);
    CalHeadPanel->setObjectName(QStringLiteral("CalHeadPanel"));
    CalHeadPanel->setColours(grad1, grad2);
    CalHeadPanel->setFixedHeight(44);
    CalHead = new BlinkLabel(m_calendar.heading(), CalHeadPanel);
    CalHead->setObjectName(QStringLiteral("CalHead"));
    CalHead->setAlignment(Qt::AlignCenter);
    CalHead->setBlinkColour(Qt::black);
    CalHead->setInterval(500);
    QFont headFont(QStringLiteral("Georgia"));
    headFont.setBold(true);
    headFont.setPixelSize(17);
    CalHead->setFont(headFont);
    CalHead->setStyleSheet(QStringLiteral("color: white;"));
    CalHead->setBlinking(m_calendar.blinking());
    auto* headLayout = new QHBoxLayout(CalHeadPanel);
    headLayout->addWidget(CalHead);

    BodyPanel = new GradientPanel(this);
    BodyPanel->setObjectName(QStringLiteral("BodyPanel"));
    BodyPanel->setColours(grad1, grad2);
    BodyPanel->setDirection(GradientDirection::Vertical);

    auto* frame = new QFrame(BodyPanel);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(2);
    Calendar = new MonthCalendar(frame);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setBackgroundColour(toQColor(scheme.input));
    Calendar->setCurrentDate(m_calendar.date());
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    frameLayout->addWidget(Calendar);

    using B = SpareCalendar::Button;
    using C = SpareCalendar;
    NextWeekBtn = stepButton(B::NextWeek, QStringLiteral("NextWeekBtn"), QStringLiteral("Week"),
                             QStringLiteral("Next Week"), &C::NextWeekBtnClick);
    Next2WeekBtn = stepButton(B::Next2Week, QStringLiteral("Next2WeekBtn"), QStringLiteral("+2 Wk"),
                              QStringLiteral("Next Week (from current Calendar date)"), &C::Next2WeekBtnClick);
    NextMonthBtn = stepButton(B::NextMonth, QStringLiteral("NextMonthBtn"), QStringLiteral("Month"),
                              QStringLiteral("Next Month"), &C::NextMonthBtnClick);
    NextYrBtn = stepButton(B::NextYr, QStringLiteral("NextYrBtn"), QStringLiteral("Year "), QStringLiteral("Next Year"),
                           &C::NextYrBtnClick);
    PrevWeekBtn = stepButton(B::PrevWeek, QStringLiteral("PrevWeekBtn"), QStringLiteral("Week"),
                             QStringLiteral("Prior Week"), &C::PrevWeekBtnClick);
    Prev2WeekBtn = stepButton(B::Prev2Week, QStringLiteral("Prev2WeekBtn"), QStringLiteral("-2 Wk"),
                              QStringLiteral("Prior Week (from current Calendar date)"), &C::Prev2WeekBtnClick);
    PrevMonthBtn = stepButton(B::PrevMonth, QStringLiteral("PrevMonthBtn"), QStringLiteral("Month"),
                              QStringLiteral("Prior Month"), &C::PrevMonthBtnClick);
    PrevYrBtn = stepButton(B::PrevYr, QStringLiteral("PrevYrBtn"), QStringLiteral(" Year"), QStringLiteral("Prior Year"),
                           &C::PrevYrBtnClick);
    NowBtn = stepButton(B::Now, QStringLiteral("NowBtn"), QStringLiteral("Today"), QStringLiteral("Return to Today"),
                        &C::NowBtnClick);

    Clock = new AnalogClock(BodyPanel);
    Clock->setObjectName(QStringLiteral("Clock"));
    Clock->setFixedSize(72, 72);
    Clock->setHourHandColour(grad1);

    CloseBtn = new GradientButton(QStringLiteral("Close"), BodyPanel);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setStatusTip(QStringLiteral("Save new colours and close."));
    CloseBtn->setToolTip(CloseBtn->statusTip());
    CloseBtn->setColours(grad2, grad1);
    CloseBtn->setMinimumHeight(28);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* upper = new QHBoxLayout;
    for (GradientButton* b : {NextWeekBtn, Next2WeekBtn, NextMonthBtn, NextYrBtn})
        upper->addWidget(b);
    auto* lower = new QHBoxLayout;
    for (GradientButton* b : {PrevWeekBtn, Prev2WeekBtn, PrevMonthBtn, PrevYrBtn})
        lower->addWidget(b);
    auto* foot = new QHBoxLayout;
    foot->addWidget(NowBtn, 0, Qt::AlignVCenter);
    foot->addStretch();
    foot->addWidget(Clock);
    foot->addStretch();
    foot->addWidget(CloseBtn, 0, Qt::AlignVCenter);
    auto* body = new QVBoxLayout(BodyPanel);
    body->setContentsMargins(12, 10, 12, 10);
    body->setSpacing(6);
    body->addLayout(upper);
    body->addWidget(frame, 1);
    body->addLayout(lower);
    body->addLayout(foot);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CalHeadPanel);
    layout->addWidget(BodyPanel, 1);

    connect(Calendar, &MonthCalendar::dateChanged, this, [this](const QDate& date) {
        if (date != m_calendar.date())
            m_calendar.CalendarChange(date);
    });
    connect(&m_calendar, &SpareCalendar::changed, this, &TCalForm::shown);
}

void TCalForm::Calendar1Click(const MainModel& model, QWidget* parent)
{
    TCalForm form(model.colourScheme(), model.regional(), [&model] { return model.today(); }, parent);
    form.exec();
}

GradientButton* TCalForm::stepButton(SpareCalendar::Button which, const QString& name, const QString& caption,
                                     const QString& hint, void (SpareCalendar::*handler)())
{
    auto* button = new GradientButton(caption, BodyPanel);
    button->setObjectName(name);
    button->setStatusTip(hint);
    button->setToolTip(hint);
    button->setMinimumHeight(28);
    button->setCornerRadius(10);
    m_steps.insert(button, which);
    connect(button, &QPushButton::clicked, this, [this, handler] { (m_calendar.*handler)(); });
    return button;
}

void TCalForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TCalForm::FormShow()
{
    m_calendar.FormShow();
    for (auto it = m_steps.cbegin(); it != m_steps.cend(); ++it)
        it.key()->setColours(toQColor(m_scheme.bandEnd), toQColor(m_scheme.bandStart));
}

void TCalForm::shown()
{
    if (Calendar->currentDate() != m_calendar.date())
        Calendar->setCurrentDate(m_calendar.date());
    CalHead->setText(m_calendar.heading());
    CalHead->setBlinking(m_calendar.blinking());
    const SpareCalendar::Button lit = m_calendar.highlighted();
    if (lit == SpareCalendar::Button::None)
        return;
    // The button used last stands out; the others go grey.
    const QColor grey(0x80, 0x80, 0x80);
    for (auto it = m_steps.cbegin(); it != m_steps.cend(); ++it) {
        if (it.value() == lit)
            it.key()->setColours(toQColor(m_scheme.bandEnd), toQColor(m_scheme.bandStart));
        else
            it.key()->setColours(grey, grey);
    }
}

} // namespace kelvora
