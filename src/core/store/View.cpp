#include "core/store/View.h"

#include "core/base/KelvoraError.h"
#include "core/store/Database.h"
#include "core/store/SqliteStatement.h"
#include "core/store/StoredDate.h"
#include "core/store/Transaction.h"
#include "core/store/UnknownField.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {

qsizetype characterCount(const QByteArray& utf8)
{
    qsizetype n = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    }
    return n;
}

QByteArray quoted(const char* name)
{
    return '"' + QByteArray(name) + '"';
}

} // namespace

View::View(Database& db, TableId table, QObject* parent)
    : QObject(parent), m_db(db), m_table(table), m_store(db.store(table))
{
    m_filter = std::make_unique<SelectionFilter>(m_selection, m_store);
    m_store.addListener(this);
    rebuildRows();
    m_cur = m_rows.empty() ? -1 : 0;
    m_eof = m_rows.empty();
}

View::~View()
{
    m_store.removeListener(this);
}

const TableDef& View::table() const
{
    return m_store.def();
}

int View::fieldIndex(QStringView name) const
{
    const int index = table().fieldIndex(name);
    if (index < 0)
        throw UnknownField(table().tableName(), name.toString());
    return index;
}

bool View::hasField(QStringView name) const
{
    return table().fieldIndex(name) >= 0;
}

// --- what is shown ---------------------------------------------------------

void View::rebuildRows()
{
    if (!m_sortedAllValid) {
        m_sortedAll.clear();
        m_sortedAll.reserve(size_t(m_store.liveCount()));
        for (Slot s = 0; s < m_store.slotCount(); ++s) {
            if (m_store.isAlive(s))
                m_sortedAll.push_back(s);
        }
        m_order.sort(m_store, m_sortedAll);
        m_sortedAllValid = true;
    }
    if (m_filter->isAll()) {
        m_rows = m_sortedAll;
    } else {
        m_rows.clear();
        for (Slot s : m_sortedAll) {
            if (m_filter->matches(s))
                m_rows.push_back(s);
        }
    }
    rowsChanged();
}

void View::setSelection(const Selection& selection)
{
    auto filter = std::make_unique<SelectionFilter>(selection, m_store);
    checkBrowseMode();
    m_selection = selection;
    m_filter = std::move(filter);
    rebuildRows();
    m_cur = m_rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.empty();
    notifyReset();
    notifyCurrent();
}

void View::setOrder(const QString& orderList)
{
    RowOrder order = RowOrder::parse(orderList, table());
    checkBrowseMode();
    const Slot current = m_cur < 0 ? kNewRow : m_rows[size_t(m_cur)];
    m_order = std::move(order);
    m_order.sort(m_store, m_rows);
    // Rows another view added are not shown until the next selection, so the
    // rows shown are all rows only when they are as many.
    if (m_filter->isAll() && int(m_rows.size()) == m_store.liveCount()) {
        m_sortedAll = m_rows;
        m_sortedAllValid = true;
    } else {
        m_sortedAllValid = false;
    }
    rowsChanged();
    if (current != kNewRow)
        m_cur = rowOfSlot(current);
    m_bof = m_rows.empty();
    m_eof = m_rows.empty();
    notifyReset();
    notifyCurrent();
}

void View::refresh()
{
    checkBrowseMode();
    m_db.reload(m_table);
}

void View::storeAboutToReload()
{
    m_reloadRecord = currentRecordId();
    m_reloadRow = m_cur;
}

void View::storeReloaded()
{
    m_sortedAllValid = false;
    rebuildRows();
    const int row = m_reloadRecord >= 0 ? rowOfRecord(m_reloadRecord) : -1;
    if (m_state == State::Insert) {
        const int at = std::clamp(m_reloadRow, 0, int(m_rows.size()));
        m_rows.insert(m_rows.begin() + at, kNewRow);
        rowsChanged();
        m_cur = at;
    } else {
        if (m_state == State::Edit && row < 0) {
            // The record being edited is no longer in the file.
            m_state = State::Browse;
            m_modified = false;
            notifyState();
        }
        m_cur = row >= 0 ? row : (m_rows.empty() ? -1 : 0);
    }
    m_bof = m_rows.empty();
    m_eof = m_rows.empty();
    notifyReset();
    notifyCurrent();
}

void View::storeRowChanged(quint32 slot)
{
    const int row = rowOfSlot(slot);
    if (row >= 0)
        notifyRowChanged(row);
}

void View::storeRowRemoved(quint32 slot)
{
    m_sortedAllValid = false;
    const int row = rowOfSlot(slot);
    if (row < 0)
        return;
    if (row == m_cur && m_state == State::Edit) {
        m_state = State::Browse;
        m_modified = false;
        notifyState();
    }
    m_rows.erase(m_rows.begin() + row);
    rowsChanged();
    if (m_cur > row || m_cur >= int(m_rows.size()))
        --m_cur;
    if (m_rows.empty()) {
        m_bof = true;
        m_eof = true;
    }
    notifyRowRemoved(row);
    notifyCurrent();
}

// --- rows --------------------------------------------------------------------

CellView View::cell(int row, int field) const
{
    if (row == m_cur && m_state != State::Browse)
        return m_buffer[size_t(field)].view();
    return m_store.cell(m_rows[size_t(row)], field);
}

QVariant View::data(int row, int field) const
{
    const CellView c = cell(row, field);
    if (c.isNull())
        return {};
    if (table().fields[size_t(field)].kind == FieldKind::Date) {
        const QDate date = StoredDate::parse(c);
        if (date.isValid())
            return date;
    }
    return Value::fromView(c).toVariant();
}

double View::floatAt(int row, int field) const
{
    const CellView c = cell(row, field);
    if (c.type == CellView::Type::Real)
        return c.r;
    if (c.type == CellView::Type::Integer)
        return double(c.i);
    return c.type == CellView::Type::Text ? Value::fromView(c).toReal() : 0.0;
}

qint64 View::integerAt(int row, int field) const
{
    return Value::fromView(cell(row, field)).toInteger();
}

QString View::textAt(int row, int field) const
{
    return Value::fromView(cell(row, field)).toString();
}

QDate View::dateAt(int row, int field) const
{
    return StoredDate::parse(cell(row, field));
}

qint64 View::recordId(int row) const
{
    const Slot s = m_rows[size_t(row)];
    return s == kNewRow ? -1 : m_store.rowId(s);
}

int View::rowOfRecord(qint64 recordId) const
{
    const std::optional<Slot> slot = m_store.slotOfRowId(recordId);
    return slot ? rowOfSlot(*slot) : -1;
}

int View::rowOfSlot(Slot slot) const
{
    if (slot == kNewRow)
        return -1;
    if (!m_rowIndexValid) {
        m_rowOfSlot.assign(m_store.slotCount(), -1);
        for (size_t r = 0; r < m_rows.size(); ++r) {
            if (m_rows[r] != kNewRow)
                m_rowOfSlot[m_rows[r]] = int(r);
        }
        m_rowIndexValid = true;
    }
    return slot < m_rowOfSlot.size() ? m_rowOfSlot[slot] : -1;
}

// --- cursor ------------------------------------------------------------------

void View::checkBrowseMode()
{
    if (m_state == State::Browse)
        return;
    if (m_modified)
        post();
    else
        cancel();
}

void View::runBeforeScroll()
{
    if (m_beforeScroll)
        m_beforeScroll(*this);
}

void View::moveCursor(int row)
{
    if (row == m_cur)
        return;
    m_cur = row;
    notifyCurrent();
}

void View::first()
{
    checkBrowseMode();
    runBeforeScroll();
    moveCursor(m_rows.empty() ? -1 : 0);
    m_bof = true;
    m_eof = m_rows.empty();
}

void View::last()
{
    checkBrowseMode();
    runBeforeScroll();
    moveCursor(int(m_rows.size()) - 1);
    m_eof = true;
    m_bof = m_rows.empty();
}

void View::next()
{
    moveBy(1);
}

void View::prior()
{
    moveBy(-1);
}

int View::moveBy(int distance)
{
    checkBrowseMode();
    runBeforeScroll();
    if (m_rows.empty()) {
        m_bof = m_eof = true;
        return 0;
    }
    const int target = int(std::clamp<qint64>(qint64(m_cur) + distance, 0, qint64(m_rows.size()) - 1));
    const int moved = target - m_cur;
    if (distance > 0 && moved < distance) {
        m_eof = true;
        m_bof = false;
    } else if (distance < 0 && moved > distance) {
        m_bof = true;
        m_eof = false;
    } else if (distance != 0) {
        m_bof = m_eof = false;
    }
    moveCursor(target);
    return moved;
}

void View::setCurrentRow(int row)
{
    if (row < 0 || row >= int(m_rows.size()))
        throw KelvoraError(QStringLiteral("There is no row %1 in %2.").arg(row).arg(table().tableName()));
    if (row == m_cur)
        return;
    // Posting the record being edited may move it; the target is the record.
    const Slot target = m_rows[size_t(row)];
    checkBrowseMode();
    runBeforeScroll();
    const int now = target == kNewRow ? m_cur : rowOfSlot(target);
    moveCursor(now >= 0 ? now : std::min(row, int(m_rows.size()) - 1));
    m_bof = m_eof = false;
}

bool View::goToRecord(qint64 recordId)
{
    const int row = rowOfRecord(recordId);
    if (row < 0)
        return false;
    setCurrentRow(row);
    return m_cur >= 0 && this->recordId(m_cur) == recordId;
}

bool View::locate(QStringView name, const Value& value)
{
    const int field = fieldIndex(name);
    checkBrowseMode();
    const TableStore::Column& column = m_store.column(field);
    const Value constant = SqliteRules::prepareConstant(value, column.affinity);
    for (size_t r = 0; r < m_rows.size(); ++r) {
        const std::optional<int> c = SqliteRules::compareColumn(
            m_store.cell(m_rows[r], field), constant.view(), column.affinity, column.collation);
        if (c && *c == 0) {
            runBeforeScroll();
            moveCursor(int(r));
            m_bof = m_eof = false;
            return true;
        }
    }
    return false;
}

int View::keyPosition(const std::vector<Value>& keys)
{
    if (keys.empty() || keys.size() > m_order.fields().size())
        throw KelvoraError(
            QStringLiteral("%1 is not ordered by %2 fields.").arg(table().tableName()).arg(keys.size()));
    checkBrowseMode();
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), 0,
                                     [&](Slot s, int) { return m_order.compareKeys(m_store, s, keys) < 0; });
    return int(it - m_rows.begin());
}

bool View::findKey(const std::vector<Value>& keys)
{
    const int row = keyPosition(keys);
    if (row >= int(m_rows.size()) || m_order.compareKeys(m_store, m_rows[size_t(row)], keys) != 0)
        return false;
    runBeforeScroll();
    moveCursor(row);
    m_bof = m_eof = false;
    return true;
}

void View::findNearest(const std::vector<Value>& keys)
{
    const int row = keyPosition(keys);
    if (m_rows.empty())
        return;
    runBeforeScroll();
    moveCursor(std::min(row, int(m_rows.size()) - 1));
    m_bof = m_eof = false;
}

// --- the current record --------------------------------------------------------

Value View::field(QStringView name) const
{
    return onCurrent(name, Value(), &View::value);
}

QVariant View::fieldValue(QStringView name) const
{
    return onCurrent(name, QVariant(), &View::data);
}

bool View::isNull(QStringView name) const
{
    return onCurrent(name, true, &View::isNullAt);
}

double View::asFloat(QStringView name) const
{
    return onCurrent(name, 0.0, &View::floatAt);
}

qint64 View::asInteger(QStringView name) const
{
    return onCurrent(name, qint64(0), &View::integerAt);
}

QString View::asText(QStringView name) const
{
    return onCurrent(name, QString(), &View::textAt);
}

QDate View::asDate(QStringView name) const
{
    return onCurrent(name, QDate(), &View::dateAt);
}

QByteArray View::asBlob(QStringView name) const
{
    return onCurrent(name, Value(), &View::value).bytes();
}

void View::requireEditing() const
{
    if (m_state == State::Browse) {
        throw KelvoraError(
            QStringLiteral("The %1 record is not being edited or inserted.").arg(table().tableName()));
    }
}

Value View::conform(int field, const Value& value) const
{
    const FieldDef& def = table().fields[size_t(field)];
    const QString name = table().fieldName(field);
    if (value.isNull())
        return value;
    switch (def.kind) {
    case FieldKind::Integer: {
        const Value n = SqliteRules::numericValue(value.view());
        if (n.type() == Value::Type::Integer)
            return n;
        if (n.type() == Value::Type::Real && std::isfinite(n.toReal()) &&
            n.toReal() == std::trunc(n.toReal()) && std::abs(n.toReal()) < 9.2e18) {
            return Value::integer(qint64(n.toReal()));
        }
        throw KelvoraError(
            QStringLiteral("%1 holds whole numbers: \"%2\" is not one.").arg(name, value.toString()));
    }
    case FieldKind::Float: {
        const Value n = SqliteRules::numericValue(value.view());
        if (n.isNumber() && std::isfinite(n.toReal()))
            return Value::real(n.toReal());
        throw KelvoraError(
            QStringLiteral("%1 holds numbers: \"%2\" is not a number.").arg(name, value.toString()));
    }
    case FieldKind::Date: {
        if (value.type() == Value::Type::Text && value.bytes().trimmed().isEmpty())
            return {};
        const QDate date = value.type() == Value::Type::Text ? StoredDate::parse(value.toString()) : QDate();
        if (!date.isValid())
            throw KelvoraError(
                QStringLiteral("%1 holds dates: \"%2\" is not a date.").arg(name, value.toString()));
        return StoredDate::toValue(date);
    }
    case FieldKind::Text:
    case FieldKind::Memo: {
        if (value.type() == Value::Type::Blob)
            throw KelvoraError(QStringLiteral("%1 holds text, not a picture.").arg(name));
        const Value text =
            value.type() == Value::Type::Text ? value : Value::textUtf8(SqliteRules::textOf(value.view()));
        const qsizetype length = characterCount(text.bytes());
        if (def.kind == FieldKind::Text && length > def.size) {
            throw KelvoraError(QStringLiteral("The text is too long for %1: it holds at most %2 characters, "
                                              "the text has %3.")
                                   .arg(name)
                                   .arg(def.size)
                                   .arg(length));
        }
        return text;
    }
    case FieldKind::Blob:
        if (value.type() != Value::Type::Blob)
            throw KelvoraError(QStringLiteral("%1 holds a picture, not \"%2\".").arg(name, value.toString()));
        return value;
    }
    return value;
}

void View::setField(QStringView name, const Value& value)
{
    setField(fieldIndex(name), value);
}

void View::setField(QStringView name, const QDate& date)
{
    setField(fieldIndex(name), StoredDate::toValue(date));
}

void View::setField(int field, const Value& value)
{
    requireEditing();
    const Value v = conform(field, value);
    if (m_buffer[size_t(field)] == v)
        return;
    m_buffer[size_t(field)] = v;
    m_changed[size_t(field)] = true;
    m_modified = true;
    notifyRowChanged(m_cur);
}

// --- editing -----------------------------------------------------------------

void View::edit()
{
    if (m_state != State::Browse)
        return;
    if (m_rows.empty()) {
        insert();
        return;
    }
    m_buffer = m_store.row(m_rows[size_t(m_cur)]);
    m_changed.assign(m_buffer.size(), false);
    m_modified = false;
    m_state = State::Edit;
    notifyState();
}

void View::append()
{
    beginInsert(true);
}

void View::insert()
{
    beginInsert(false);
}

void View::beginInsert(bool atEnd)
{
    checkBrowseMode();
    runBeforeScroll();
    m_returnRecord = currentRecordId();
    const int at = atEnd ? int(m_rows.size()) : std::max(m_cur, 0);
    m_rows.insert(m_rows.begin() + at, kNewRow);
    rowsChanged();
    m_buffer.assign(size_t(table().fieldCount()), Value());
    m_changed.assign(m_buffer.size(), false);
    m_modified = false;
    m_state = State::Insert;
    m_cur = at;
    m_bof = m_eof = false;
    notifyRowInserted(at);
    notifyCurrent();
    notifyState();
}

qint64 View::writeInsert()
{
    QByteArray columns;
    QByteArray marks;
    std::vector<int> written;
    for (int f = 0; f < table().fieldCount(); ++f) {
        if (m_buffer[size_t(f)].isNull())
            continue;
        columns += (columns.isEmpty() ? "" : ", ") + quoted(table().fields[size_t(f)].name);
        marks += marks.isEmpty() ? "?" : ", ?";
        written.push_back(f);
    }
    const QByteArray into = "INSERT INTO " + quoted(table().name);
    SqliteStatement statement(m_db.handle(), written.empty()
                                                 ? into + " DEFAULT VALUES"
                                                 : into + " (" + columns + ") VALUES (" + marks + ")");
    for (size_t i = 0; i < written.size(); ++i)
        statement.bind(int(i) + 1, m_buffer[size_t(written[i])]);
    statement.run();
    return sqlite3_last_insert_rowid(m_db.handle());
}

qint64 View::writeUpdate(Slot slot, const std::vector<Value>& values, const std::vector<bool>& changed)
{
    QByteArray assignments;
    std::vector<int> written;
    for (int f = 0; f < table().fieldCount(); ++f) {
        if (!changed[size_t(f)])
            continue;
        assignments += (assignments.isEmpty() ? "" : ", ") + quoted(table().fields[size_t(f)].name) + " = ?";
        written.push_back(f);
    }
    SqliteStatement statement(m_db.handle(),
                              "UPDATE " + quoted(table().name) + " SET " + assignments + " WHERE rowid = ?");
    for (size_t i = 0; i < written.size(); ++i)
        statement.bind(int(i) + 1, values[size_t(written[i])]);
    statement.bind(int(written.size()) + 1, Value::integer(m_store.rowId(slot)));
    statement.run();
    if (sqlite3_changes(m_db.handle()) == 0)
        throw KelvoraError(QStringLiteral("the record is no longer in the table"));
    // A changed INTEGER PRIMARY KEY is the record's new rowid.
    const int alias = m_store.rowidAliasField();
    if (alias >= 0 && changed[size_t(alias)])
        return values[size_t(alias)].toInteger();
    return m_store.rowId(slot);
}

std::vector<Value> View::save(Slot slot, const std::vector<Value>& values, const std::vector<bool>& changed,
                              qint64& rowid)
{
    try {
        Transaction transaction(m_db);
        rowid = slot == kNewRow ? writeInsert() : writeUpdate(slot, values, changed);
        std::optional<std::vector<Value>> row = m_store.readRow(m_db.handle(), rowid);
        if (!row)
            throw KelvoraError(QStringLiteral("the saved record could not be read back"));
        transaction.commit();
        return std::move(*row);
    } catch (const KelvoraError& e) {
        throw KelvoraError(
            QStringLiteral("The %1 record could not be saved: %2").arg(table().tableName(), e.message()));
    }
}

bool View::touchesOrder(const std::vector<bool>& changed) const
{
    for (int f : m_order.fields()) {
        if (changed[size_t(f)])
            return true;
    }
    return false;
}

void View::post()
{
    if (m_state == State::Browse)
        return;
    if (m_beforePost)
        m_beforePost(*this);
    if (m_state == State::Browse)
        return;
    const bool inserting = m_state == State::Insert;
    const bool anyChange = std::find(m_changed.begin(), m_changed.end(), true) != m_changed.end();
    if (!inserting && !anyChange) {
        m_state = State::Browse;
        m_modified = false;
        notifyState();
        return;
    }

    const Slot oldSlot = m_rows[size_t(m_cur)];
    qint64 rowid = -1;
    const std::vector<Value> stored = save(oldSlot, m_buffer, m_changed, rowid);
    const bool orderTouched = inserting || touchesOrder(m_changed);
    if (inserting) {
        m_rows[size_t(m_cur)] = m_store.append(rowid, stored);
        rowsChanged();
    } else {
        m_store.replace(oldSlot, rowid, stored, this);
    }
    m_db.noteStoreChanged(m_table);
    m_state = State::Browse;
    m_modified = false;
    m_buffer.clear();
    m_changed.clear();
    if (orderTouched)
        m_sortedAllValid = false;

    const int before = m_cur;
    if (orderTouched && !m_order.isEmpty())
        m_cur = placeByOrder(m_cur);
    if (m_cur != before) {
        notifyReset();
        notifyCurrent();
    } else {
        notifyRowChanged(m_cur);
    }
    notifyState();
}

void View::updateRow(int row, const std::vector<std::pair<int, Value>>& changes)
{
    if (row < 0 || row >= int(m_rows.size()))
        throw KelvoraError(QStringLiteral("There is no row %1 in %2.").arg(row).arg(table().tableName()));
    if (row == m_cur && m_state != State::Browse) {
        throw KelvoraError(QStringLiteral("The %1 record being edited must be posted before it is changed.")
                               .arg(table().tableName()));
    }
    const Slot slot = m_rows[size_t(row)];
    std::vector<Value> values = m_store.row(slot);
    std::vector<bool> changed(values.size(), false);
    for (const auto& [field, value] : changes) {
        const Value v = conform(field, value);
        if (values[size_t(field)] != v) {
            values[size_t(field)] = v;
            changed[size_t(field)] = true;
        }
    }
    if (std::find(changed.begin(), changed.end(), true) == changed.end())
        return;
    qint64 rowid = -1;
    const std::vector<Value> stored = save(slot, values, changed, rowid);
    m_store.replace(slot, rowid, stored, this);
    m_db.noteStoreChanged(m_table);
    if (!touchesOrder(changed) || m_order.isEmpty()) {
        notifyRowChanged(row);
        return;
    }
    // The record moves to its new place; the cursor stays on its own record.
    m_sortedAllValid = false;
    const Slot current = m_cur < 0 ? kNewRow : m_rows[size_t(m_cur)];
    placeByOrder(row);
    if (current != kNewRow || m_state == State::Insert) {
        const auto it = std::find(m_rows.begin(), m_rows.end(), current);
        m_cur = int(it - m_rows.begin());
    }
    notifyReset();
    notifyCurrent();
}

void View::updateRow(int row, QStringView field, const Value& value)
{
    updateRow(row, {{fieldIndex(field), value}});
}

int View::placeByOrder(int row)
{
    const Slot slot = m_rows[size_t(row)];
    m_rows.erase(m_rows.begin() + row);
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), slot, [&](Slot a, Slot b) {
        // A new record being inserted stays out of the comparison: it sorts after this one.
        if (a == kNewRow)
            return false;
        return m_order.compare(m_store, a, b) < 0;
    });
    const int at = int(it - m_rows.begin());
    m_rows.insert(it, slot);
    rowsChanged();
    return at;
}

void View::cancel()
{
    if (m_state == State::Browse)
        return;
    const bool inserting = m_state == State::Insert;
    m_state = State::Browse;
    m_modified = false;
    m_buffer.clear();
    m_changed.clear();
    if (!inserting) {
        notifyRowChanged(m_cur);
        notifyState();
        return;
    }
    const int removed = m_cur;
    m_rows.erase(m_rows.begin() + removed);
    rowsChanged();
    notifyRowRemoved(removed);
    const int back = m_returnRecord >= 0 ? rowOfRecord(m_returnRecord) : -1;
    m_cur = back >= 0 ? back : std::min(removed, int(m_rows.size()) - 1);
    if (m_rows.empty())
        m_bof = m_eof = true;
    notifyCurrent();
    notifyState();
}

void View::deleteRecord()
{
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_cur < 0)
        throw KelvoraError(QStringLiteral("There is no %1 record to delete.").arg(table().tableName()));
    cancel();
    runBeforeScroll();
    const Slot slot = m_rows[size_t(m_cur)];
    try {
        Transaction transaction(m_db);
        SqliteStatement statement(m_db.handle(), "DELETE FROM " + quoted(table().name) + " WHERE rowid = ?");
        statement.bind(1, Value::integer(m_store.rowId(slot)));
        statement.run();
        transaction.commit();
    } catch (const KelvoraError& e) {
        throw KelvoraError(
            QStringLiteral("The %1 record could not be deleted: %2").arg(table().tableName(), e.message()));
    }
    m_store.remove(slot, this);
    m_db.noteStoreChanged(m_table);
    m_sortedAllValid = false;
    const int removed = m_cur;
    m_rows.erase(m_rows.begin() + removed);
    rowsChanged();
    m_cur = std::min(removed, int(m_rows.size()) - 1);
    m_bof = m_eof = m_rows.empty();
    notifyRowRemoved(removed);
    notifyCurrent();
    if (m_afterDelete)
        m_afterDelete(*this);
}

// --- display -----------------------------------------------------------------

void View::disableControls()
{
    ++m_suspend;
}

void View::enableControls()
{
    if (m_suspend == 0)
        return;
    if (--m_suspend == 0)
        emit reset();
}

void View::notifyReset()
{
    if (m_suspend == 0)
        emit reset();
}

void View::notifyRowChanged(int row)
{
    if (m_suspend == 0)
        emit rowChanged(row);
}

void View::notifyRowInserted(int row)
{
    if (m_suspend == 0)
        emit rowInserted(row);
}

void View::notifyRowRemoved(int row)
{
    if (m_suspend == 0)
        emit rowRemoved(row);
}

void View::notifyCurrent()
{
    if (m_suspend == 0)
        emit currentChanged(m_cur);
}

void View::notifyState()
{
    if (m_suspend == 0)
        emit stateChanged(m_state);
}

} // namespace kelvora
