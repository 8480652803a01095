#pragma once

#include "core/selection/SelectionItems.h"

#include <QString>
#include <QStringList>

namespace kelvora {

class PageSelection;
class TagTools;
class UserPort;
class View;

// What the filter window shows in one stage.
struct FilterStage
{
    QString caption;
    QString heading;
    bool secondStage = false; // black heading text and the "Second" label
    QStringList hintLines;    // empty strings are the empty lines between them
};

// The filter window as the dual-field filter uses it; the form implements it,
// tests script it.
class FilterWindow
{
public:
    virtual ~FilterWindow() = default;
    // The field selector's items; the boxes start empty.
    virtual void setFieldItems(const QStringList& items) = 0;
    // Shows the window modally with the stage's texts, the boxes keeping what
    // they hold. True when closed with OK.
    virtual bool showStage(const FilterStage& stage) = 0;
    virtual QString fieldText() const = 0;
    virtual QString filterText() const = 0;
};

// The "Filter" menu's dual-field filters: the records whose two chosen fields
// contain the two typed texts are tagged and shown. The typed texts are bound
// as values, and a field the table lacks is refused, the page keeping all
// its records.
class DualFieldFilter
{
public:
    DualFieldFilter(SelectionPage page, View& view, PageSelection& selection, TagTools& tags, UserPort& port);

    void run(FilterWindow& window);

    // The field a text of the window's field box stands for; empty when none.
    static QString fieldName(SelectionPage page, const QString& text);
    static FilterStage stage1(SelectionPage page);
    static FilterStage stage2(SelectionPage page, const QString& firstField, const QString& firstFilter);

private:
    void abort();

    SelectionPage m_page;
    View& m_view;
    PageSelection& m_selection;
    TagTools& m_tags;
    UserPort& m_port;
};

} // namespace kelvora
