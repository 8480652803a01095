#pragma once

#include "core/pages/GridColumn.h"
#include "gui/widgets/ViewTableModel.h"

#include <QList>
#include <QTableView>

namespace kelvora {

class HandlerGuard;
class View;

// The record grid of a page: one row per record of a View, the current record
// and the entered column highlighted, banded rows, editing in place.
//
// The grid and the view share one cursor: moving in the grid moves the view
// (which posts a changed record and runs its before-scroll hook), and moving the
// view moves the grid. Enter walks across the columns and on to the next record;
// Shift+Enter walks back. Ctrl+Delete deletes the record after confirmation.
// Column changes and title clicks are reported by field, so the page can run
// its column defaults and its sorting.
class DataGrid : public QTableView
{
    Q_OBJECT

public:
    DataGrid(View& view, HandlerGuard& guard, QWidget* parent = nullptr);
    // A grid over a model made elsewhere; the grid takes it over.
    explicit DataGrid(ViewTableModel* model, QWidget* parent = nullptr);

    View& view() const { return m_model->view(); }
    ViewTableModel& viewModel() const { return *m_model; }

    void setColumns(const QList<GridColumn>& columns);
    void setColumnTitle(const QString& field, const QString& title);
    void setColours(const ViewTableModel::Colours& colours) { m_model->setColours(colours); }
    // The diary's grid marks the entered title red without making it bold.
    void setBoldEnteredTitle(bool bold) { m_model->setBoldEnteredTitle(bold); }
    void setTextColour(const QColor& colour) { m_model->setTextColour(colour); }

    // The field of the current column; empty when no column is current.
    QString currentField() const;
    // Makes the column of `field` current (reported like a user's move); false when not shown.
    bool setCurrentField(const QString& field);
    // The field shown at a position counted from the left (columns may have been moved).
    QString fieldAtPosition(int position) const;

    // Enter and Shift+Enter.
    void moveToNextColumn();
    void moveToPriorColumn();
    // Ctrl+Delete: asks "Delete record?" and deletes on OK.
    void deleteCurrentRecord();

    // A cell being edited when something else acts on the record (a navigator
    // button, which takes no focus): its text goes into the record first, or is
    // dropped when the record's edit is cancelled.
    void commitOpenEditor();
    void discardOpenEditor();

signals:
    void columnExited(const QString& field);
    void columnEntered(const QString& field);
    void titleClicked(const QString& field);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void setUp();
    void followViewCursor();
    void setCurrentQuietly(int row, int column);
    void enterColumn(int column, bool report);
    int firstColumn() const;
    int lastColumn() const;
    int neighbourColumn(int column, int step) const;
    void moveTo(int row, int column);

    ViewTableModel* m_model;
    int m_column = -1;
    bool m_syncing = false;
};

} // namespace kelvora
