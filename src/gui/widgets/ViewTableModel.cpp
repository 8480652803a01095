#include "gui/widgets/ViewTableModel.h"

#include "core/dates/DateText.h"
#include "core/format/NumberText.h"
#include "core/store/StoredDate.h"
#include "core/store/View.h"
#include "gui/widgets/HandlerGuard.h"

#include <QFont>

namespace kelvora {

namespace {

constexpr int kPrecision = 15;

bool isNumeric(FieldKind kind)
{
    return kind == FieldKind::Integer || kind == FieldKind::Float;
}

} // namespace

ViewTableModel::ViewTableModel(View& view, HandlerGuard& guard, QObject* parent)
    : QAbstractTableModel(parent), m_view(view), m_guard(guard), m_paintedCurrent(view.currentRow())
{
    connect(&m_view, &View::reset, this, &ViewTableModel::onReset);
    connect(&m_view, &View::rowChanged, this, &ViewTableModel::onRowChanged);
    connect(&m_view, &View::rowInserted, this, &ViewTableModel::onRowInserted);
    connect(&m_view, &View::rowRemoved, this, &ViewTableModel::onRowRemoved);
    connect(&m_view, &View::currentChanged, this, &ViewTableModel::onCurrentChanged);
}

void ViewTableModel::setColumns(const QList<GridColumn>& columns)
{
    QList<int> fields;
    fields.reserve(columns.size());
    for (const GridColumn& c : columns)
        fields.append(m_view.fieldIndex(c.field)); // an unknown field throws before anything changes
    beginResetModel();
    m_columns = columns;
    m_fields = fields;
    m_entered = -1;
    endResetModel();
}

int ViewTableModel::columnOfField(const QString& field) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].field.compare(field, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

void ViewTableModel::setColumnTitle(int column, const QString& title)
{
    if (column < 0 || column >= m_columns.size())
        return;
    m_columns[column].title = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void ViewTableModel::setColours(const Colours& colours)
{
    m_colours = colours;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
}

void ViewTableModel::setEnteredColumn(int column)
{
    if (column == m_entered)
        return;
    const int old = m_entered;
    m_entered = column;
    for (int c : {old, column}) {
        if (c < 0 || c >= columnCount())
            continue;
        emit headerDataChanged(Qt::Horizontal, c, c);
        if (rowCount() > 0)
            emit dataChanged(index(0, c), index(rowCount() - 1, c), {Qt::BackgroundRole});
    }
}

void ViewTableModel::setBoldEnteredTitle(bool bold)
{
    m_boldEnteredTitle = bold;
    if (m_entered >= 0)
        emit headerDataChanged(Qt::Horizontal, m_entered, m_entered);
}

void ViewTableModel::setTextColour(const QColor& colour)
{
    if (colour == m_textColour)
        return;
    m_textColour = colour;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::ForegroundRole});
}

void ViewTableModel::setRegional(const Regional& regional)
{
    m_regional = regional;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

int ViewTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_view.rowCount();
}

int ViewTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

bool ViewTableModel::validRow(int row) const
{
    return row >= 0 && row < m_view.rowCount();
}

QString ViewTableModel::displayText(int row, int column) const
{
    const int field = m_fields.at(column);
    const QVariant v = m_view.data(row, field);
    switch (v.typeId()) {
    case QMetaType::QDate: return shortDateText(v.toDate(), m_regional);
    case QMetaType::Double: {
        const bool currency = m_view.table().fields[size_t(field)].currency;
        return formatFloat(v.toDouble(), currency ? NumberStyle::Currency : NumberStyle::General, kPrecision,
                           m_regional.currencyDecimals, m_regional);
    }
    case QMetaType::QByteArray: return v.toByteArray().isEmpty() ? QString() : tr("(Picture)");
    case QMetaType::QString: {
        // A memo shows its first line; the grid row stays one line high.
        const QString text = v.toString();
        qsizetype end = 0;
        while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        return text.left(end);
    }
    default: return v.toString();
    }
}

QString ViewTableModel::editText(int row, int column) const
{
    const int field = m_fields.at(column);
    const QVariant v = m_view.data(row, field);
    switch (v.typeId()) {
    case QMetaType::QDate: return shortDateText(v.toDate(), m_regional);
    // No thousands separators and no currency sign: the text reads back as typed numbers do.
    case QMetaType::Double: return formatFloat(v.toDouble(), NumberStyle::General, kPrecision, 0, m_regional);
    default: return v.toString();
    }
}

QVariant ViewTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !validRow(index.row()) || index.column() >= m_columns.size())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: return displayText(row, column);
    case Qt::EditRole: return editText(row, column);
    case Qt::TextAlignmentRole: {
        const FieldKind kind = m_view.table().fields[size_t(m_fields[column])].kind;
        return isNumeric(kind) || kind == FieldKind::Date ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                           : int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    case Qt::BackgroundRole:
        if (row == m_view.currentRow())
            return m_colours.highlight;
        if (row % 2 == 0) // records are counted from 1, so row 0 is record 1
            return m_colours.oddRecord;
        return column == m_entered ? m_colours.highlight : m_colours.column;
    case Qt::FontRole:
        if (row == m_view.currentRow()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ForegroundRole:
        return m_columns[column].greyText ? QColor(0x80, 0x80, 0x80) : m_textColour;
    default: return {};
    }
}

QVariant ViewTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole: return m_columns[section].title;
    case Qt::ForegroundRole: return section == m_entered ? QColor(Qt::red) : QColor(Qt::black);
    case Qt::FontRole:
        if (section == m_entered && m_boldEnteredTitle) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default: return {};
    }
}

Qt::ItemFlags ViewTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const FieldKind kind = m_view.table().fields[size_t(m_fields.at(index.column()))].kind;
    // Memos keep their line breaks only in their own box; pictures have their own box.
    if (kind != FieldKind::Blob && kind != FieldKind::Memo)
        f |= Qt::ItemIsEditable;
    return f;
}

Value ViewTableModel::valueFromText(int field, const QString& text) const
{
    const FieldKind kind = m_view.table().fields[size_t(field)].kind;
    if (kind == FieldKind::Text || kind == FieldKind::Memo)
        return Value::text(text);
    if (text.trimmed().isEmpty())
        return {};
    switch (kind) {
    case FieldKind::Integer:
        if (const auto n = parseWholeNumber(text))
            return Value::integer(*n);
        break;
    case FieldKind::Float:
        if (const auto n = parseTypedNumber(text, m_regional))
            return Value::real(*n);
        break;
    case FieldKind::Date:
        if (const QDate d = parseShortDate(text, m_regional); d.isValid())
            return StoredDate::toValue(d);
        break;
    default: break;
    }
    // Not readable the local way: the view reads it by its own rules or refuses it with its message.
    return Value::text(text);
}

void ViewTableModel::storeText(int column, const QString& text)
{
    const int field = m_fields.at(column);
    const Value value = valueFromText(field, text);
    if (m_view.state() == View::State::Browse)
        m_view.edit();
    m_view.setField(field, value);
}

bool ViewTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() != m_view.currentRow())
        return false;
    const QString text = value.toString();
    // An editor opened and left without a change must not put the record in edit.
    if (text == editText(index.row(), index.column()))
        return true;
    return m_guard.run([&] { storeText(index.column(), text); });
}

void ViewTableModel::refreshRow(int row, const QList<int>& roles)
{
    if (validRow(row) && columnCount() > 0)
        emit dataChanged(index(row, 0), index(row, columnCount() - 1), roles);
}

void ViewTableModel::onReset()
{
    beginResetModel();
    m_paintedCurrent = m_view.currentRow();
    endResetModel();
}

void ViewTableModel::onRowChanged(int row)
{
    refreshRow(row);
}

void ViewTableModel::onRowInserted(int row)
{
    // The view reports after the fact; the row is already there to be read.
    beginInsertRows({}, row, row);
    if (m_paintedCurrent >= row)
        ++m_paintedCurrent;
    endInsertRows();
}

void ViewTableModel::onRowRemoved(int row)
{
    beginRemoveRows({}, row, row);
    if (m_paintedCurrent > row)
        --m_paintedCurrent;
    else if (m_paintedCurrent == row)
        m_paintedCurrent = -1;
    endRemoveRows();
}

void ViewTableModel::onCurrentChanged(int row)
{
    // The bands depend on the row number only; the highlight moves with the record.
    const QList<int> roles{Qt::BackgroundRole, Qt::FontRole};
    refreshRow(m_paintedCurrent, roles);
    m_paintedCurrent = row;
    refreshRow(row, roles);
}

} // namespace kelvora
