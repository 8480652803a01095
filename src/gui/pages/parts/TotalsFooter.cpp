#include "gui/pages/parts/TotalsFooter.h"

#include "core/ledger/LedgerModel.h"
#include "core/settings/Settings.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelvora {

TotalsFooter::TotalsFooter(LedgerModel& model, QWidget* parent) : GradientPanel(parent), m_model(model)
{
    const LedgerTraits& t = model.traits();
    setObjectName(t.footer);
    setStatusTip(QStringLiteral("Totals"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    // Two rows of label over box, the boxes in footer order.
    const int perRow = (int(t.footerBoxes.size()) + 1) / 2;
    int index = 0;
    for (const FooterBox& b : t.footerBoxes) {
        auto* label = new QLabel(this);
        if (!b.labelName.isEmpty())
            label->setObjectName(b.labelName);
        label->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(b.box);
        edit->setReadOnly(true);
        edit->setAlignment(Qt::AlignRight);
        edit->setStatusTip(b.hint);
        edit->setMinimumWidth(70);
        const int row = (index / perRow) * 2;
        const int column = index % perRow;
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row + 1, column);
        m_boxes.insert(b.box, edit);
        m_labels.insert(b.box, label);
        ++index;
    }
    connect(&model, &LedgerModel::totalsChanged, this, &TotalsFooter::refresh);
    connect(&model.context().settings, &Settings::valueChanged, this, &TotalsFooter::refresh);
    refresh();
}

void TotalsFooter::refresh()
{
    for (const FooterBox& b : m_model.traits().footerBoxes) {
        m_labels.value(b.box)->setText(m_model.footerLabel(b));
        QLineEdit* edit = m_boxes.value(b.box);
        edit->setText(m_model.footerText(b));
        if (b.value == FooterValue::Balance || b.value == FooterValue::TaxBalance) {
            QPalette p = edit->palette();
            p.setColor(QPalette::Text, m_model.footerNegative(b) ? Qt::red : Qt::blue);
            edit->setPalette(p);
        }
    }
}

} // namespace kelvora
