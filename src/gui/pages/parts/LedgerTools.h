#pragma once

#include <QList>
#include <QObject>

class QBoxLayout;

namespace kelvora {

class GradientButton;
class HandlerGuard;
class LedgerModel;
class PageBase;

// The buttons of a ledger page that open windows over its totals: the taxation
// breakdown (TaxnBtn1 or TaxnBtn2) and the pie and bar charts (GraphExpBtn and
// GraphExpBtn2, or GraphIncBtn and GraphIncBtn2).
class LedgerTools : public QObject
{
    Q_OBJECT
public:
    LedgerTools(LedgerModel& model, PageBase& page, HandlerGuard& guard, QWidget* parent);

    QList<GradientButton*> buttons() const { return {TaxnBtn, GraphBtn, GraphBtn2}; }
    void addTo(QBoxLayout* layout);

    GradientButton* TaxnBtn = nullptr;
    GradientButton* GraphBtn = nullptr;
    GradientButton* GraphBtn2 = nullptr;
};

} // namespace kelvora
