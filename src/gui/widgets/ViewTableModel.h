#pragma once

#include "core/format/Regional.h"
#include "core/store/Value.h"
#include "core/pages/GridColumn.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QPointer>

namespace kelvora {

class HandlerGuard;
class View;

// The grid's window on a View. Every answer comes straight from the view's rows
// (nothing is copied or measured per row), so a grid over 100,000 records opens
// as fast as one over ten. Edits go into the view's current record; a value the
// field refuses is reported through the guard and the old value stays.
class ViewTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct Colours
    {
        QColor column = QColor(0xFF, 0xFF, 0xBB);    // every column (Grad3Str)
        QColor oddRecord = QColor(0xFF, 0x91, 0x91); // records 1, 3, 5, ... (Grad4Str)
        QColor highlight = QColor(0x00, 0xFF, 0x00); // current record and entered column (StartColStr)
    };

    ViewTableModel(View& view, HandlerGuard& guard, QObject* parent = nullptr);

    View& view() const { return m_view; }
    HandlerGuard& guard() const { return m_guard; }

    void setColumns(const QList<GridColumn>& columns);
    const QList<GridColumn>& columns() const { return m_columns; }
    const GridColumn& column(int column) const { return m_columns.at(column); }
    int fieldOf(int column) const { return m_fields.at(column); }
    // The model column showing that field (case-insensitive), -1 when none.
    int columnOfField(const QString& field) const;
    void setColumnTitle(int column, const QString& title);

    void setColours(const Colours& colours);
    const Colours& colours() const { return m_colours; }
    // The entered column is painted on the highlight colour and its title in red.
    void setEnteredColumn(int column);
    int enteredColumn() const { return m_entered; }
    void setBoldEnteredTitle(bool bold);
    // The colour of the cells' text (black unless set); grey columns stay grey.
    void setTextColour(const QColor& colour);
    QColor textColour() const { return m_textColour; }

    void setRegional(const Regional& regional);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The text a cell shows, and the text its editor starts from.
    QString displayText(int row, int column) const;
    QString editText(int row, int column) const;
    // Puts the view's current record in edit and stores `text` in the column's
    // field, read as the field's kind. Throws KelvoraError when it does not fit.
    void storeText(int column, const QString& text);

private:
    void onReset();
    void onRowChanged(int row);
    void onRowInserted(int row);
    void onRowRemoved(int row);
    void onCurrentChanged(int row);
    void refreshRow(int row, const QList<int>& roles = {});
    bool validRow(int row) const;
    Value valueFromText(int field, const QString& text) const;

    View& m_view;
    HandlerGuard& m_guard;
    QList<GridColumn> m_columns;
    QList<int> m_fields;
    Colours m_colours;
    Regional m_regional = Regional::australian();
    int m_entered = -1;
    int m_paintedCurrent = -1;
    bool m_boldEnteredTitle = true;
    QColor m_textColour = Qt::black;
};

} // namespace kelvora
