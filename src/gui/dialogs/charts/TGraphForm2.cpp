#include "gui/dialogs/charts/TGraphForm2.h"

#include "gui/widgets/ColourAdapter.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLinearGradient>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace kelvora {

TGraphForm2::TGraphForm2(FieldChart data, HandlerGuard& guard, const QColor& grad1, const QColor& grad2,
                         QWidget* parent)
    : ChartWindow(std::move(data), guard, grad1, grad2, parent)
{
    finish();
}

void TGraphForm2::buildChart(QChart& chart)
{
    // One set per column, holding that column's total and nothing elsewhere, so
    // each bar keeps a colour of its own.
    auto* series = new QStackedBarSeries;
    series->setObjectName(QStringLiteral("Series1"));
    series->setBarWidth(0.62);
    QStringList categories;
    const qsizetype n = m_data.points.size();
    double low = 0.0;
    double high = 0.0;
    for (qsizetype i = 0; i < n; ++i) {
        const ChartPoint& p = m_data.points[i];
        categories << p.label;
        auto* set = new QBarSet(p.label);
        for (qsizetype j = 0; j < n; ++j)
            set->append(i == j ? p.value : 0.0);
        const QColor colour = toQColor(p.colour);
        QLinearGradient fill(0, 0, 1, 0);
        fill.setCoordinateMode(QGradient::ObjectBoundingMode);
        fill.setColorAt(0.0, colour.lighter(150));
        fill.setColorAt(0.45, colour);
        fill.setColorAt(1.0, colour.darker(170));
        set->setBrush(fill);
        set->setPen(QPen(colour.darker(200), 1));
        series->append(set);
        low = std::min(low, p.value);
        high = std::max(high, p.value);
    }
    chart.addSeries(series);
    m_series = series;

    auto* axisX = new QBarCategoryAxis;
    axisX->append(categories);
    axisX->setGridLineVisible(false);
    axisX->setLinePen(QPen(QColor(0x80, 0x80, 0x80), 6));
    QFont f = font();
    f.setBold(true);
    axisX->setLabelsFont(f);
    chart.addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    auto* axisY = new QValueAxis;
    axisY->setLabelFormat(QStringLiteral("%.0f"));
    // Room above the highest bar for its mark.
    const double span = std::max(high - low, 1.0);
    axisY->setRange(low < 0.0 ? low - span * 0.08 : 0.0, high + span * 0.08);
    axisY->applyNiceNumbers();
    axisY->setLinePen(QPen(QColor(0xC0, 0xC0, 0xC0), 6));
    chart.addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);

    // The walls: silver behind the bars, grey below them.
    QLinearGradient wall(0, 0, 0, 1);
    wall.setCoordinateMode(QGradient::ObjectBoundingMode);
    wall.setColorAt(0.0, QColor(0xF2, 0xF2, 0xF2));
    wall.setColorAt(1.0, QColor(0xC0, 0xC0, 0xC0));
    chart.setPlotAreaBackgroundBrush(wall);
    chart.setPlotAreaBackgroundVisible(true);

    QFont markFont = font();
    markFont.setPixelSize(14);
    markFont.setBold(true);
    for (const ChartPoint& p : m_data.points) {
        auto* mark = new QGraphicsSimpleTextItem(p.percent, &chart);
        mark->setFont(markFont);
        mark->setBrush(QColor(0x20, 0x20, 0x20));
        m_marks.append(mark);
    }
    connect(&chart, &QChart::plotAreaChanged, this, &TGraphForm2::placeMarks);
    placeMarks();
}

void TGraphForm2::placeMarks()
{
    for (qsizetype i = 0; i < m_marks.size(); ++i) {
        const double value = m_data.points[i].value;
        const QPointF at = m_chart->mapToPosition(QPointF(double(i), value), m_series);
        const QRectF box = m_marks[i]->boundingRect();
        // Above a bar that rises, below one that falls.
        const double y = value >= 0.0 ? at.y() - box.height() - 3 : at.y() + 3;
        m_marks[i]->setPos(at.x() - box.width() / 2, y);
    }
}

} // namespace kelvora
