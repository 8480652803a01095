#include "gui/pages/parts/SelectionBar.h"

#include "core/selection/PageSelection.h"
#include "gui/pages/PageGrid.h"
#include "gui/widgets/HandlerGuard.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace kelvora {

SelectionBar::SelectionBar(PageSelection& selection, PageGrid& grid, HandlerGuard& guard, const Names& names,
                           QWidget* parent)
    : QObject(parent), m_selection(selection), m_grid(grid), m_guard(guard)
{
    FieldSel = new QComboBox(parent);
    FieldSel->setObjectName(QString::fromLatin1(names.field));
    FieldSel->setStatusTip(QStringLiteral("Field to search   ie Which column to look in."));
    for (const FieldItem& item : fieldItems(selection.page()))
        FieldSel->addItem(item.label);
    FieldSel->setMaxVisibleItems(20);
    FieldSel->setInsertPolicy(QComboBox::NoInsert);
    Filter = new QLineEdit(parent);
    Filter->setObjectName(QString::fromLatin1(names.filter));
    Filter->setStatusTip(
        QStringLiteral("Records (grid rows) to show - What to look for. - PASTE a copy here. (Right Click)"));
    Filter->setFixedWidth(150);
    OrderSel = new QComboBox(parent);
    OrderSel->setObjectName(QString::fromLatin1(names.order));
    OrderSel->setStatusTip(QStringLiteral("Grid / Printed Reports Sort Order."));
    for (const OrderItem& item : orderItems(selection.page()))
        OrderSel->addItem(item.label.trimmed());
    OrderSel->setMaxVisibleItems(24);
    AllBtn = new QPushButton(QStringLiteral("All"), parent);
    AllBtn->setObjectName(QString::fromLatin1(names.all));
    AllBtn->setStatusTip(QStringLiteral("Select All Records."));
    AllBtn->setFixedWidth(44);
    showControls();

    connect(FieldSel, &QComboBox::activated, this,
            [this](int index) { m_guard.run([&] { m_selection.setFieldIndex(index); }); });
    connect(Filter, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_guard.run([&] { m_selection.setFilterText(text); }); });
    connect(OrderSel, &QComboBox::activated, this,
            [this](int index) { m_guard.run([&] { m_selection.setOrderIndex(index); }); });
    connect(AllBtn, &QPushButton::clicked, this, [this] { m_guard.run([this] { m_selection.all(); }); });
    connect(&m_selection, &PageSelection::controlsChanged, this, &SelectionBar::showControls);
    connect(&m_selection, &PageSelection::focusFilter, Filter, [this] { Filter->setFocus(); });
    connect(&m_selection, &PageSelection::currentColumnWanted, &m_grid,
            [this](const QString& field) { m_grid.setCurrentField(field); });
    connect(&m_grid, &DataGrid::titleClicked, this,
            [this] { m_guard.run([this] { m_selection.titleClick(m_grid.currentField()); }); });
}

void SelectionBar::addTo(QBoxLayout* layout)
{
    layout->addWidget(FieldSel);
    layout->addWidget(Filter);
    layout->addWidget(OrderSel);
    layout->addWidget(AllBtn);
}

void SelectionBar::showControls()
{
    // The field selector shows the field a title click sorted by, in place of its item.
    FieldSel->setEditable(m_selection.fieldShown() != FieldSel->itemText(m_selection.fieldIndex()));
    FieldSel->setCurrentIndex(m_selection.fieldIndex());
    if (FieldSel->isEditable())
        FieldSel->setEditText(m_selection.fieldShown());
    if (Filter->text() != m_selection.filterText())
        Filter->setText(m_selection.filterText());
    OrderSel->setCurrentIndex(m_selection.orderIndex());
}

} // namespace kelvora
