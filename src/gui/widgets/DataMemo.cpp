#include "gui/widgets/DataMemo.h"

#include "core/store/View.h"
#include "gui/widgets/HandlerGuard.h"

#include <QScopedValueRollback>
#include <QTextDocument>

namespace kelvora {

namespace {

const QString kStoredBreak = QStringLiteral("\r\n");

// The text as shown, in the form stored. The raw text keeps what the plain text
// would change (non-breaking spaces); both kinds of break become "\r\n".
QString storedForm(const QTextDocument& document)
{
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, kStoredBreak);
    text.replace(QChar::LineSeparator, kStoredBreak);
    return text;
}

// Stored texts may hold "\r\n", a lone "\n" or a lone "\r"; the box shows each as one break.
QString shownForm(QString text)
{
    text.replace(kStoredBreak, QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

DataMemo::DataMemo(View& view, const QString& field, HandlerGuard& guard, QWidget* parent)
    : QPlainTextEdit(parent), m_view(view), m_fieldName(field), m_field(view.fieldIndex(field)), m_guard(guard)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(this, &QPlainTextEdit::textChanged, this, &DataMemo::onTextChanged);
    connect(&m_view, &View::currentChanged, this, &DataMemo::reload);
    connect(&m_view, &View::reset, this, &DataMemo::reload);
    connect(&m_view, &View::rowChanged, this, &DataMemo::onRowChanged);
    connect(&m_view, &View::stateChanged, this, &DataMemo::reload);
    reload();
}

QString DataMemo::storedText() const
{
    const int row = m_view.currentRow();
    return row < 0 ? QString() : m_view.textAt(row, m_field);
}

void DataMemo::setBackgroundColour(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

void DataMemo::reload()
{
    if (m_writing)
        return; // the echo of our own write
    // A text that could not be stored yet stays while its record is current; it is
    // never carried over to another record.
    if (m_pending && m_view.currentRecordId() == m_pendingRecord)
        return;
    m_pending = false;
    const QString stored = storedText();
    if (stored == storedForm(*document()))
        return; // keep the caret and the undo history where nothing changed
    QScopedValueRollback<bool> loading(m_loading, true);
    setPlainText(shownForm(stored));
}

void DataMemo::selectStoredRange(qsizetype start, qsizetype length)
{
    const QString stored = storedText();
    // Each "\r\n" before a position is one character fewer in the box.
    const auto shown = [&stored](qsizetype at) {
        return at - stored.left(at).count(kStoredBreak);
    };
    const qsizetype end = std::min(start + length, stored.size());
    QTextCursor cursor = textCursor();
    cursor.setPosition(int(shown(std::min(start, stored.size()))));
    cursor.setPosition(int(shown(end)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void DataMemo::onRowChanged(int row)
{
    if (row == m_view.currentRow())
        reload();
}

void DataMemo::onTextChanged()
{
    if (m_loading)
        return;
    writeBack();
}

bool DataMemo::writeBack()
{
    const QString text = storedForm(*document());
    QScopedValueRollback<bool> writing(m_writing, true);
    const bool stored = m_guard.run([&] {
        if (m_view.state() == View::State::Browse) {
            if (m_view.currentRow() >= 0 && m_view.textAt(m_view.currentRow(), m_field) == text)
                return;
            m_view.edit();
        }
        m_view.setField(m_field, Value::text(text));
    });
    // A text that could not be stored stays in the box and is tried again on leaving it.
    m_pending = !stored;
    m_pendingRecord = m_view.currentRecordId();
    return stored;
}

void DataMemo::focusOutEvent(QFocusEvent* event)
{
    if (m_pending && m_view.currentRecordId() == m_pendingRecord)
        writeBack();
    QPlainTextEdit::focusOutEvent(event);
}

} // namespace kelvora
