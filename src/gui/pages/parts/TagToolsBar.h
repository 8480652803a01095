#pragma once

#include "core/selection/SelectionItems.h"

#include <QList>
#include <QObject>

#include <functional>

class QBoxLayout;
class QWidget;

namespace kelvora {

class DataGrid;
class DataMemo;
class GradientButton;
class HandlerGuard;
class NotesSearch;
class TagTools;

// The tag tools and notes searches above a page's grid: tag all shown, clear,
// reverse, and on the Clients page paid, unpaid, birthdays and duplicates;
// then the first and next search in notes and, on Clients, locate a surname.
class TagToolsBar : public QObject
{
    Q_OBJECT
public:
    TagToolsBar(TagTools& tags, NotesSearch& search, DataGrid& grid, DataMemo& notes, HandlerGuard& guard,
                QWidget* band);

    // Every button, for the page to paint in its colours.
    QList<GradientButton*> buttons() const;

    GradientButton* TagBtn = nullptr;     // TagNamesBtn, TagExpendBtn, TagIncomeBtn
    GradientButton* ClrTagsBtn = nullptr; // ClrNamesTagsBtn, ClrExpendTagsBtn, ClrIncomeTagsBtn
    GradientButton* SwapBtn = nullptr;    // SwapNamesBtn, SwapExpBtn, SwapIncBtn
    GradientButton* PaidBtn = nullptr;    // Clients only, as the next four
    GradientButton* UnpaidBtn = nullptr;
    GradientButton* DOBbtn = nullptr;
    GradientButton* ChekBtn = nullptr;
    GradientButton* NoteSrchBtn = nullptr; // NamesNoteSrchBtn, ExpNoteSrchBtn, IncNoteSrchBtn
    GradientButton* NextNoteBtn = nullptr; // NamesNextNoteBtn, ExpNextNoteBtn, IncNextNoteBtn
    GradientButton* LocateAsurname = nullptr; // Clients only

private:
    GradientButton* add(const QString& caption, const char* name, const char* hint);
    // Runs a tool; `flipped` buttons first show the pressed look.
    void run(std::initializer_list<GradientButton*> flipped, const std::function<void()>& tool);
    void flip(GradientButton* button);

    TagTools& m_tags;
    NotesSearch& m_search;
    DataGrid& m_grid;
    DataMemo& m_notes;
    HandlerGuard& m_guard;
    QWidget* m_band;
    QBoxLayout* m_layout;
};

} // namespace kelvora
