#pragma once

#include <QObject>

class QComboBox;
class QLineEdit;
class QPushButton;
class QBoxLayout;
class QWidget;

namespace kelvora {

class HandlerGuard;
class PageGrid;
class PageSelection;

// The four controls above a page's grid: field selector, filter box, order
// selector and All button, kept in step with the page's selection model.
class SelectionBar : public QObject
{
    Q_OBJECT
public:
    struct Names
    {
        const char* field;  // NamesSel, ExpendSel, IncomeSel
        const char* filter; // NamesFilter, ...
        const char* order;  // NamesCombo, ...
        const char* all;    // AllNamesBtn, ...
    };

    SelectionBar(PageSelection& selection, PageGrid& grid, HandlerGuard& guard, const Names& names,
                 QWidget* parent);

    // Puts the four controls into `layout`.
    void addTo(QBoxLayout* layout);

    QComboBox* FieldSel = nullptr;
    QLineEdit* Filter = nullptr;
    QComboBox* OrderSel = nullptr;
    QPushButton* AllBtn = nullptr;

private:
    void showControls();

    PageSelection& m_selection;
    PageGrid& m_grid;
    HandlerGuard& m_guard;
};

} // namespace kelvora
