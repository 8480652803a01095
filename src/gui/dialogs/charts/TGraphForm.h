#pragma once

#include "gui/dialogs/charts/ChartWindow.h"

namespace kelvora {

// The pie of a ledger page's column totals, drawn as a disc with depth: one
// slice per column in its colour, marked with its label and share.
class TGraphForm : public ChartWindow
{
    Q_OBJECT
public:
    TGraphForm(FieldChart data, HandlerGuard& guard, const QColor& grad1, const QColor& grad2,
               QWidget* parent = nullptr);

protected:
    void buildChart(QChart& chart) override;
};

} // namespace kelvora
