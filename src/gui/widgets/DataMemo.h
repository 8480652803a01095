#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace kelvora {

class HandlerGuard;
class View;

// A text box bound to one memo field of a View's current record.
//
// It shows the field of whichever record is current. Typing puts the view in
// edit and writes the whole text into the record at every change, so nothing
// typed is lost whatever moves the cursor next (a grid click, a navigator
// button, a search). Posting stays the business of whoever posts the view.
// Line breaks are stored as "\r\n".
class DataMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    DataMemo(View& view, const QString& field, HandlerGuard& guard, QWidget* parent = nullptr);

    View& view() const { return m_view; }
    QString field() const { return m_fieldName; }

    // The text as the record stores it.
    QString storedText() const;

    void setBackgroundColour(const QColor& colour);

    // Shows the current record's text (when it differs from what is shown).
    void reload();
    // Selects characters of the stored text, whose "\r\n" shows as one break.
    void selectStoredRange(qsizetype start, qsizetype length);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onTextChanged();
    bool writeBack();
    void onRowChanged(int row);

    View& m_view;
    QString m_fieldName;
    int m_field;
    HandlerGuard& m_guard;
    bool m_loading = false;
    bool m_writing = false;
    bool m_pending = false;
    qint64 m_pendingRecord = -1;
};

} // namespace kelvora
