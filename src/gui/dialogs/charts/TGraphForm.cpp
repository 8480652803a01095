#include "gui/dialogs/charts/TGraphForm.h"

#include "gui/widgets/ColourAdapter.h"

#include <QChart>
#include <QPieSeries>
#include <QPieSlice>
#include <QRadialGradient>

#include <cmath>

namespace kelvora {

namespace {
constexpr int kLayers = 14;        // discs under the top one make its side
constexpr qreal kDepth = 0.07;     // the side's height, as a share of the chart's
constexpr qreal kTop = 0.46;       // where the top disc stands
constexpr qreal kSize = 0.66;
} // namespace

TGraphForm::TGraphForm(FieldChart data, HandlerGuard& guard, const QColor& grad1, const QColor& grad2,
                       QWidget* parent)
    : ChartWindow(std::move(data), guard, grad1, grad2, parent)
{
    finish();
}

void TGraphForm::buildChart(QChart& chart)
{
    // Qt Charts draws flat pies: the depth is a stack of darker discs below the
    // top one, which reads as the pie's side.
    for (int layer = kLayers; layer >= 1; --layer) {
        auto* side = new QPieSeries;
        side->setPieSize(kSize);
        side->setVerticalPosition(kTop + kDepth * layer / kLayers);
        for (const ChartPoint& p : m_data.points) {
            QPieSlice* slice = side->append(QString(), std::abs(p.value));
            const QColor colour = toQColor(p.colour).darker(layer == kLayers ? 190 : 150);
            slice->setBrush(colour);
            slice->setPen(QPen(colour, 1));
        }
        chart.addSeries(side);
    }
    auto* top = new QPieSeries;
    top->setObjectName(QStringLiteral("Series1"));
    top->setPieSize(kSize);
    top->setVerticalPosition(kTop);
    for (const ChartPoint& p : m_data.points) {
        QPieSlice* slice = top->append(p.label + QStringLiteral("  ") + p.percent, std::abs(p.value));
        const QColor colour = toQColor(p.colour);
        QRadialGradient shine(QPointF(0.35, 0.3), 0.9);
        shine.setCoordinateMode(QGradient::ObjectBoundingMode);
        shine.setColorAt(0.0, colour.lighter(135));
        shine.setColorAt(1.0, colour);
        slice->setBrush(shine);
        slice->setPen(QPen(colour.darker(130), 1));
        // A column without an amount has no slice to mark.
        slice->setLabelVisible(p.value != 0.0);
        slice->setLabelArmLengthFactor(0.22);
        QFont f = font();
        f.setPixelSize(14);
        f.setBold(true);
        slice->setLabelFont(f);
    }
    chart.addSeries(top);
}

} // namespace kelvora
