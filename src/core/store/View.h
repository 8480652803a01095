#pragma once

#include "core/store/RowOrder.h"
#include "core/store/Schema.h"
#include "core/store/Selection.h"
#include "core/store/SelectionFilter.h"
#include "core/store/TableStore.h"
#include "core/store/TableStoreListener.h"
#include "core/store/Value.h"

#include <QByteArray>
#include <QDate>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

namespace kelvora {

class Database;

// A view of one table: the records of a selection, in an in-memory order,
// with a cursor on one of them and an edit buffer for that one.
//
// Nothing here reads the file except refresh(): a selection or an order only
// filters and sorts the table held in memory. Posts and deletes are written to
// the file first, each in its own transaction, and only then to memory.
//
// The cursor follows the usual dataset rules: moving it (First, Next, ...)
// first posts a changed record (or drops an unchanged one) and runs the
// before-scroll hook; BOF and EOF report an attempt to move past either end.
// Read-only walks use rowCount() and value(row, field), which never move it.
//
// Change signals drive a grid model. While controls are disabled no signal is
// sent; enabling them again sends one reset(), which means that rows, the
// current row and the state may all have changed.
class View : public QObject, private TableStoreListener
{
    Q_OBJECT
public:
    enum class State
    {
        Browse,
        Edit,
        Insert
    };
    using Hook = std::function<void(View&)>;

    // The table is read into memory at the first view over it. The view shows
    // every record, in the order they were read, with the cursor on the first.
    View(Database& db, TableId table, QObject* parent = nullptr);
    ~View() override;

    Database& database() const { return m_db; }
    TableId tableId() const { return m_table; }
    const TableDef& table() const;
    // Throws UnknownField for a name the table does not have.
    int fieldIndex(QStringView name) const;
    bool hasField(QStringView name) const;

    // --- what is shown -----------------------------------------------------
    // Replaces the selection; the rows keep the current order and the cursor
    // goes to the first. A pending edit is posted first. A selection naming a
    // field the table lacks throws UnknownField and changes nothing.
    void setSelection(const Selection& selection);
    const Selection& selection() const { return m_selection; }
    // Replaces the order ("Date;Bus;Expense"; "" for the order the rows were
    // read in). The current record stays current. A name the table lacks throws
    // UnknownField and changes nothing.
    void setOrder(const QString& orderList);
    QString order() const { return m_order.text(); }
    const RowOrder& rowOrder() const { return m_order; }
    // Reads the table from the file again (the navigator's refresh); the
    // selection and order are applied again and the current record kept.
    void refresh();

    // --- rows, read without moving the cursor --------------------------------
    int rowCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    // The current row shows the edit buffer while the record is edited.
    CellView cell(int row, int field) const;
    Value value(int row, int field) const { return Value::fromView(cell(row, field)); }
    // The value for display: QDate for a readable date, qlonglong, double,
    // QString, QByteArray; a null QVariant for NULL.
    QVariant data(int row, int field) const;
    bool isNullAt(int row, int field) const { return cell(row, field).isNull(); }
    // NULL and non-numbers read as 0, as totals want them.
    double floatAt(int row, int field) const;
    qint64 integerAt(int row, int field) const;
    QString textAt(int row, int field) const;
    QDate dateAt(int row, int field) const;
    // SQLite's rowid of the record; -1 for a new record not yet posted.
    qint64 recordId(int row) const;
    // The row showing that record, -1 when it is not shown.
    int rowOfRecord(qint64 recordId) const;

    // --- cursor ----------------------------------------------------------
    int currentRow() const { return m_cur; }
    qint64 currentRecordId() const { return m_cur < 0 ? -1 : recordId(m_cur); }
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    void first();
    void last();
    void next();
    void prior();
    // Moves up to `distance` rows; returns how many it moved (negative backwards).
    int moveBy(int distance);
    // Makes a row current (a click in the grid).
    void setCurrentRow(int row);
    bool goToRecord(qint64 recordId);
    // The first row whose field equals the value as `field = ?` would find it.
    bool locate(QStringView field, const Value& value);
    // Exact lookup on the first keys.size() fields of the order.
    bool findKey(const std::vector<Value>& keys);
    // The first row at or after the keys in the order (the last row when none).
    void findNearest(const std::vector<Value>& keys);

    // --- the current record ----------------------------------------------
    // NULL when there is no current record.
    Value field(QStringView name) const;
    QVariant fieldValue(QStringView name) const;
    bool isNull(QStringView name) const;
    double asFloat(QStringView name) const;
    qint64 asInteger(QStringView name) const;
    QString asText(QStringView name) const;
    QDate asDate(QStringView name) const;
    QByteArray asBlob(QStringView name) const;

    // Sets a field of the record being edited or inserted. The value is made to
    // fit the field's kind (numbers, ISO date texts, texts, pictures); a value
    // that does not fit, or a text longer than its field, throws KelvoraError
    // and nothing is stored.
    void setField(QStringView name, const Value& value);
    void setField(QStringView name, const QVariant& value) { setField(name, Value::fromVariant(value)); }
    void setField(QStringView name, const QString& text) { setField(name, Value::text(text)); }
    void setField(QStringView name, const char* text)
    {
        setField(name, Value::text(QString::fromUtf8(text)));
    }
    void setField(QStringView name, double number) { setField(name, Value::real(number)); }
    void setField(QStringView name, const QDate& date);
    void setField(int field, const Value& value);
    void setNull(QStringView name) { setField(name, Value()); }

    // --- editing ---------------------------------------------------------
    State state() const { return m_state; }
    bool isModified() const { return m_modified; }
    // Edit on an empty view inserts, as a dataset does.
    void edit();
    void append();
    void insert();
    // Runs the before-post hook, writes the record (INSERT, or UPDATE of the
    // changed fields) in one transaction and reads it back. When the file
    // refuses it throws KelvoraError and the record stays in edit.
    void post();
    void cancel();
    void deleteRecord();
    // Changes fields of a row that is not being edited, without moving the
    // cursor and without the hooks: the tools that walk many records (tags,
    // field replace) write each one this way, in its own transaction. A row
    // whose order field changes moves to its place; the cursor stays on its
    // record. Values are made to fit as setField() does.
    void updateRow(int row, const std::vector<std::pair<int, Value>>& changes);
    void updateRow(int row, QStringView field, const Value& value);

    // --- hooks -----------------------------------------------------------
    // Throwing from a hook stops the operation that ran it.
    void setBeforePost(Hook hook) { m_beforePost = std::move(hook); }
    void setBeforeScroll(Hook hook) { m_beforeScroll = std::move(hook); }
    void setAfterDelete(Hook hook) { m_afterDelete = std::move(hook); }

    // --- display ---------------------------------------------------------
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_suspend > 0; }

signals:
    void reset();
    void rowChanged(int row);
    void rowInserted(int row);
    void rowRemoved(int row);
    void currentChanged(int row);
    void stateChanged(kelvora::View::State state);

private:
    using Slot = TableStore::Slot;
    static constexpr Slot kNewRow = 0xFFFFFFFFu;

    void storeRowChanged(quint32 slot) override;
    void storeRowRemoved(quint32 slot) override;
    void storeAboutToReload() override;
    void storeReloaded() override;

    void rebuildRows();
    void checkBrowseMode();
    void runBeforeScroll();
    void moveCursor(int row);
    void beginInsert(bool atEnd);
    void requireEditing() const;
    Value conform(int field, const Value& value) const;
    qint64 writeInsert();
    qint64 writeUpdate(Slot slot, const std::vector<Value>& values, const std::vector<bool>& changed);
    // Writes a record (kNewRow: the new one from the edit buffer) in its own
    // transaction and returns it as the file now holds it.
    std::vector<Value> save(Slot slot, const std::vector<Value>& values, const std::vector<bool>& changed,
                            qint64& rowid);
    bool touchesOrder(const std::vector<bool>& changed) const;
    // Moves a row to its place in the order; returns where it went.
    int placeByOrder(int row);
    // Where the keys stand in the order (a pending edit posted first).
    int keyPosition(const std::vector<Value>& keys);
    int rowOfSlot(Slot slot) const;
    void rowsChanged() { m_rowIndexValid = false; }
    // A field of the current record read by `read`; `none` when there is no record.
    template <class T> T onCurrent(QStringView name, T none, T (View::*read)(int, int) const) const
    {
        const int f = fieldIndex(name);
        return m_cur < 0 ? none : (this->*read)(m_cur, f);
    }

    void notifyReset();
    void notifyRowChanged(int row);
    void notifyRowInserted(int row);
    void notifyRowRemoved(int row);
    void notifyCurrent();
    void notifyState();

    Database& m_db;
    TableId m_table;
    TableStore& m_store;
    Selection m_selection;
    std::unique_ptr<SelectionFilter> m_filter;
    RowOrder m_order;
    std::vector<Slot> m_rows;
    // Every live row in the current order, so a new selection only filters.
    std::vector<Slot> m_sortedAll;
    bool m_sortedAllValid = false;
    mutable std::vector<int> m_rowOfSlot;
    mutable bool m_rowIndexValid = false;

    int m_cur = -1;
    bool m_bof = true;
    bool m_eof = true;
    State m_state = State::Browse;
    std::vector<Value> m_buffer;
    std::vector<bool> m_changed;
    bool m_modified = false;
    qint64 m_returnRecord = -1;

    // What a reload of the table must restore.
    qint64 m_reloadRecord = -1;
    int m_reloadRow = -1;

    Hook m_beforePost;
    Hook m_beforeScroll;
    Hook m_afterDelete;
    int m_suspend = 0;
};

} // namespace kelvora
