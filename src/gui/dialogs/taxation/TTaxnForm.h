#pragma once

#include "core/taxation/TaxnController.h"

#include <QDialog>
#include <QHash>

class QGridLayout;
class QLabel;
class QLineEdit;
class QStatusBar;

namespace kelvora {

class CalculatorReportRunner;
class GradientButton;
class GradientPanel;
class HandlerGuard;
class LedgerModel;

// The taxation breakdown: expenses and their deductible parts on the left,
// income and its taxable parts on the right, over the totals both ledger pages
// computed just before it opened. The window only shows its TaxnController.
class TTaxnForm : public QDialog
{
    Q_OBJECT
public:
    // TaxnBtn1Click, the Taxation button of either ledger page: both Sums, then
    // the window, modal. Nothing happens when the two pages are not linked.
    static void TaxnBtn1Click(LedgerModel& page, HandlerGuard& guard, QWidget* parent);

    TTaxnForm(LedgerModel& expenses, LedgerModel& income, HandlerGuard& guard,
              CalculatorReportRunner* reports = nullptr, QWidget* parent = nullptr);

    TaxnController& model() { return m_model; }
    // A box or label of the window by its name.
    QWidget* control(const QString& name) const { return m_controls.value(name); }

    GradientPanel* HeadPanel = nullptr;
    GradientPanel* BodyPanel = nullptr;
    GradientButton* PrintBtn = nullptr;
    GradientButton* DoneBtn = nullptr;
    QLabel* Problem = nullptr;
    QStatusBar* StatusBar = nullptr;

    // Shows the controller's state anew.
    void refresh();

protected:
    bool event(QEvent* event) override;
    void done(int result) override;

private:
    void buildSide(const TaxnSide& side, QGridLayout* grid);
    QLineEdit* addBox(QGridLayout* grid, int row, int column, const QString& name, const QString& hint,
                      bool input = false);
    QLabel* addLabel(QGridLayout* grid, int row, int column, const QString& name, const QString& text,
                     bool bold = false);
    void run(const std::function<void()>& handler);

    TaxnController m_model;
    HandlerGuard& m_guard;
    QHash<QString, QWidget*> m_controls;
    QColor m_input;
    bool m_closed = false;
};

} // namespace kelvora
