#pragma once

#include "gui/widgets/GradientPanel.h"

#include <QHash>

class QLabel;
class QLineEdit;

namespace kelvora {

class LedgerModel;

// The footer of a ledger page: one read-only box per total, each with its
// label, refreshed whenever the page's totals are computed.
class TotalsFooter : public GradientPanel
{
    Q_OBJECT
public:
    TotalsFooter(LedgerModel& model, QWidget* parent = nullptr);

    QLineEdit* box(const QString& name) const { return m_boxes.value(name); }
    QLabel* label(const QString& name) const { return m_labels.value(name); }

    // The totals and the labels the user names (E1 ..., VAT) are shown anew.
    void refresh();

private:
    LedgerModel& m_model;
    QHash<QString, QLineEdit*> m_boxes;
    QHash<QString, QLabel*> m_labels; // by box name
};

} // namespace kelvora
