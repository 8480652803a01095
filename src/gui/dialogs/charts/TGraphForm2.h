#pragma once

#include "gui/dialogs/charts/ChartWindow.h"

#include <QList>

class QAbstractSeries;
class QGraphicsSimpleTextItem;

namespace kelvora {

// The bars of a ledger page's column totals: one gradient bar per column in its
// colour, each marked with its share of the whole.
class TGraphForm2 : public ChartWindow
{
    Q_OBJECT
public:
    TGraphForm2(FieldChart data, HandlerGuard& guard, const QColor& grad1, const QColor& grad2,
                QWidget* parent = nullptr);

    // The share written over each bar.
    const QList<QGraphicsSimpleTextItem*>& marks() const { return m_marks; }

protected:
    void buildChart(QChart& chart) override;

private:
    void placeMarks();

    QList<QGraphicsSimpleTextItem*> m_marks;
    QAbstractSeries* m_series = nullptr;
};

} // namespace kelvora
