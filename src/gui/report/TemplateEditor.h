#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;

namespace kelvora {

// Edits a report template as text. Save checks the text first: a template with
// faults is not written, the first fault is shown and the cursor goes to its line,
// and nothing typed is lost. A saved template replaces the file completely or not at all.
class TemplateEditor : public QDialog
{
    Q_OBJECT
public:
    // `text` is what the editor starts with; `savePath` is where Save writes.
    TemplateEditor(const QString& text, const QString& savePath, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    const QString& savePath() const { return m_savePath; }
    // The fault shown after the last Save, empty when there was none.
    QString fault() const;

    // Checks and writes; true (and the dialog accepted) when saved.
    bool save();

private:
    void showFault(const QString& fault);

    QString m_savePath;
    QPlainTextEdit* m_editor = nullptr;
    QLabel* m_fault = nullptr;
};

} // namespace kelvora
