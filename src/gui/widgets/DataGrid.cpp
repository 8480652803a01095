#include "gui/widgets/DataGrid.h"

#include "core/store/View.h"
#include "gui/widgets/HandlerGuard.h"
#include "gui/widgets/RecordDeletion.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>

namespace kelvora {

DataGrid::DataGrid(View& view, HandlerGuard& guard, QWidget* parent)
    : DataGrid(new ViewTableModel(view, guard), parent)
{
}

DataGrid::DataGrid(ViewTableModel* model, QWidget* parent) : QTableView(parent), m_model(model)
{
    m_model->setParent(this);
    setModel(m_model);
    setUp();
}

void DataGrid::setUp()
{
    // Every row is one line high: nothing is measured row by row, whatever the record count.
    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    rows->setMinimumSectionSize(1);
    rows->hide();

    QHeaderView* titles = horizontalHeader();
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setSectionsMovable(true);
    titles->setSectionsClickable(true);
    titles->setHighlightSections(false);
    titles->setStretchLastSection(false);
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(titles, &QHeaderView::sectionClicked, this, [this](int column) {
        if (column >= 0 && column < m_model->columnCount())
            emit titleClicked(m_model->column(column).field);
    });

    // The record highlight is painted by the model; a selection would paint over it.
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setSortingEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    View& v = m_model->view();
    connect(&v, &View::currentChanged, this, &DataGrid::followViewCursor);
    // Rows coming and going, or all of them replaced, leave the grid's cursor where the view's is.
    connect(m_model, &QAbstractItemModel::modelReset, this, &DataGrid::followViewCursor);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &DataGrid::followViewCursor);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &DataGrid::followViewCursor);
}

void DataGrid::setColumns(const QList<GridColumn>& columns)
{
    m_model->setColumns(columns);
    m_column = -1;
    for (int c = 0; c < columns.size(); ++c)
        setColumnWidth(c, columns[c].width);
    followViewCursor();
}

void DataGrid::setColumnTitle(const QString& field, const QString& title)
{
    m_model->setColumnTitle(m_model->columnOfField(field), title);
}

QString DataGrid::currentField() const
{
    return m_column >= 0 && m_column < m_model->columnCount() ? m_model->column(m_column).field : QString();
}

bool DataGrid::setCurrentField(const QString& field)
{
    const int column = m_model->columnOfField(field);
    if (column < 0 || isColumnHidden(column))
        return false;
    moveTo(std::max(0, view().currentRow()), column);
    return m_column == column;
}

QString DataGrid::fieldAtPosition(int position) const
{
    const int column = horizontalHeader()->logicalIndex(position);
    return column >= 0 ? m_model->column(column).field : QString();
}

int DataGrid::neighbourColumn(int column, int step) const
{
    const QHeaderView* titles = horizontalHeader();
    for (int visual = titles->visualIndex(column) + step; visual >= 0 && visual < titles->count(); visual += step) {
        const int logical = titles->logicalIndex(visual);
        if (!titles->isSectionHidden(logical))
            return logical;
    }
    return -1;
}

int DataGrid::firstColumn() const
{
    const QHeaderView* titles = horizontalHeader();
    for (int visual = 0; visual < titles->count(); ++visual)
        if (!titles->isSectionHidden(titles->logicalIndex(visual)))
            return titles->logicalIndex(visual);
    return -1;
}

int DataGrid::lastColumn() const
{
    const QHeaderView* titles = horizontalHeader();
    for (int visual = titles->count() - 1; visual >= 0; --visual)
        if (!titles->isSectionHidden(titles->logicalIndex(visual)))
            return titles->logicalIndex(visual);
    return -1;
}

void DataGrid::moveTo(int row, int column)
{
    if (row < 0 || row >= m_model->rowCount() || column < 0)
        return;
    const QModelIndex target = m_model->index(row, column);
    setCurrentIndex(target);
    if (currentIndex() == target)
        scrollTo(target);
}

void DataGrid::moveToNextColumn()
{
    const int row = std::max(0, view().currentRow());
    const int column = m_column >= 0 ? m_column : firstColumn();
    const int next = neighbourColumn(column, +1);
    if (next >= 0) {
        moveTo(row, next);
        return;
    }
    // Past the last column: the first column of the next record (the last record has no next).
    moveTo(std::min(row + 1, m_model->rowCount() - 1), firstColumn());
}

void DataGrid::moveToPriorColumn()
{
    const int row = std::max(0, view().currentRow());
    const int column = m_column >= 0 ? m_column : firstColumn();
    const int prior = neighbourColumn(column, -1);
    if (prior >= 0) {
        moveTo(row, prior);
        return;
    }
    moveTo(std::max(row - 1, 0), lastColumn());
}

void DataGrid::deleteCurrentRecord()
{
    HandlerGuard& guard = m_model->guard();
    guard.run([&] { confirmAndDeleteCurrent(view(), guard.port()); });
}

void DataGrid::commitOpenEditor()
{
    if (QWidget* editor = indexWidget(currentIndex()); editor && state() == QAbstractItemView::EditingState) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void DataGrid::discardOpenEditor()
{
    if (QWidget* editor = indexWidget(currentIndex()); editor && state() == QAbstractItemView::EditingState)
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void DataGrid::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        // An open editor is committed by the move itself.
        if (modifiers == Qt::ShiftModifier)
            moveToPriorColumn();
        else
            moveToNextColumn();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && modifiers == Qt::ControlModifier) {
        deleteCurrentRecord();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // The base commits an open editor before anything moves.
    QTableView::currentChanged(current, previous);
    if (m_syncing || !current.isValid()) {
        if (current.isValid())
            enterColumn(current.column(), false);
        return;
    }
    View& v = view();
    if (current.row() != v.currentRow()) {
        // Leaving the record posts it, which may move records around: the target is
        // the record the user chose, wherever it ends up. If the post is refused the
        // cursor stays on the record being left.
        const qint64 target = v.recordId(current.row());
        {
            QScopedValueRollback<bool> moving(m_syncing, true);
            m_model->guard().run([&] { v.setCurrentRow(current.row()); });
        }
        const bool arrived = v.currentRow() >= 0 && v.currentRecordId() == target;
        const int column = arrived || !previous.isValid() ? current.column() : previous.column();
        if (currentIndex().row() != v.currentRow() || currentIndex().column() != column)
            setCurrentQuietly(v.currentRow(), column);
        if (!arrived)
            return;
    }
    enterColumn(current.column(), true);
}

void DataGrid::enterColumn(int column, bool report)
{
    if (column == m_column)
        return;
    const QString left = currentField();
    m_column = column;
    m_model->setEnteredColumn(column);
    if (!report)
        return;
    const QString entered = currentField();
    m_model->guard().run([&] {
        if (!left.isEmpty())
            emit columnExited(left);
        emit columnEntered(entered);
    });
}

void DataGrid::setCurrentQuietly(int row, int column)
{
    m_syncing = true;
    if (row < 0 || row >= m_model->rowCount() || column < 0 || column >= m_model->columnCount())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    else
        selectionModel()->setCurrentIndex(m_model->index(row, column), QItemSelectionModel::NoUpdate);
    m_syncing = false;
}

void DataGrid::followViewCursor()
{
    if (m_syncing)
        return; // a move of our own; currentChanged settles the grid afterwards
    const int row = view().currentRow();
    const int column = m_column >= 0 && m_column < m_model->columnCount() ? m_column : firstColumn();
    if (currentIndex().row() == row && currentIndex().column() == column)
        return;
    setCurrentQuietly(row, column);
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

} // namespace kelvora
