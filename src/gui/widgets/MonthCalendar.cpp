#include "gui/widgets/MonthCalendar.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QTextCharFormat>

namespace kelvora {

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent)
{
    setFirstDayOfWeek(Qt::Sunday);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    setGridVisible(false);

    QTextCharFormat header;
    header.setFontWeight(QFont::Bold);
    setHeaderTextFormat(header);

    connect(this, &QCalendarWidget::selectionChanged, this, [this] {
        if (!m_settingByProgram)
            emit dateChanged(selectedDate());
    });
}

void MonthCalendar::setCurrentDate(const QDate& date)
{
    if (!date.isValid())
        return;
    m_settingByProgram = true;
    setSelectedDate(date);
    setCurrentPage(date.year(), date.month());
    m_settingByProgram = false;
    // A date outside the allowed range is refused by the widget; report what it holds.
    emit dateChanged(selectedDate());
}

void MonthCalendar::setBackgroundColour(const QColor& colour)
{
    m_background = colour;
    if (auto* view = findChild<QAbstractItemView*>()) {
        QPalette palette = view->palette();
        palette.setColor(QPalette::Base, colour);
        palette.setColor(QPalette::AlternateBase, colour);
        view->setPalette(palette);
    }
    update();
}

void MonthCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const
{
    QCalendarWidget::paintCell(painter, rect, date);
    if (date != QDate::currentDate())
        return;
    // Ring today's date so it can be found while another day is selected.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(QColor(0xd6, 0x33, 0x2b), 1.6));
    painter->setBrush(Qt::NoBrush);
    const QRectF ring = QRectF(rect).adjusted(2.5, 1.5, -2.5, -1.5);
    painter->drawRoundedRect(ring, 4, 4);
    painter->restore();
}

} // namespace kelvora
