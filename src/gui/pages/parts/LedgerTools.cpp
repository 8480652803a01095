#include "gui/pages/parts/LedgerTools.h"

#include "core/charts/FieldChart.h"
#include "core/ledger/LedgerModel.h"
#include "core/taxation/TaxnController.h"
#include "gui/dialogs/charts/ChartWindow.h"
#include "gui/dialogs/taxation/TTaxnForm.h"
#include "gui/pages/PageBase.h"
#include "gui/widgets/GradientButton.h"

#include <QBoxLayout>

namespace kelvora {

LedgerTools::LedgerTools(LedgerModel& model, PageBase& page, HandlerGuard& guard, QWidget* parent) : QObject(parent)
{
    const LedgerKind kind = model.traits().kind;
    const auto make = [parent](const QString& name, const QString& caption, const QString& hint) {
        auto* b = new GradientButton(caption, parent);
        b->setObjectName(name);
        b->setStatusTip(hint);
        b->setMinimumSize(64, 26);
        return b;
    };
    TaxnBtn = make(TaxnController::buttonName(kind), QStringLiteral("Taxation"), TaxnController::buttonHint());
    GraphBtn = make(FieldChart::buttonName(kind, ChartStyle::Pie), QStringLiteral("Pie"), FieldChart::buttonHint());
    GraphBtn2 = make(FieldChart::buttonName(kind, ChartStyle::Bars), QStringLiteral("Bars"), FieldChart::buttonHint());
    // An open grid cell goes into its record before the totals are taken.
    connect(TaxnBtn, &QPushButton::clicked, this, [&model, &page, &guard, parent] {
        page.commitOpenEditors();
        TTaxnForm::TaxnBtn1Click(model, guard, parent->window());
    });
    for (auto [button, style] : {std::pair{GraphBtn, ChartStyle::Pie}, std::pair{GraphBtn2, ChartStyle::Bars}}) {
        connect(button, &QPushButton::clicked, this, [&model, &page, &guard, parent, chart = style] {
            page.commitOpenEditors();
            ChartWindow::open(model, chart, guard, parent->window());
        });
    }
}

void LedgerTools::addTo(QBoxLayout* layout)
{
    for (GradientButton* b : buttons())
        layout->addWidget(b);
}

} // namespace kelvora
