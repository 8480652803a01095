#include "gui/report/TemplateEditor.h"

#include "report/TemplateReader.h"
#include "report/export/ExportFile.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QVBoxLayout>

namespace kelvora {

TemplateEditor::TemplateEditor(const QString& text, const QString& savePath, QWidget* parent)
    : QDialog(parent), m_savePath(savePath)
{
    setObjectName(QStringLiteral("TemplateEditor"));
    setWindowTitle(QStringLiteral("Edit Template - %1").arg(QFileInfo(savePath).fileName()));
    resize(900, 700);
    auto* layout = new QVBoxLayout(this);
    m_editor = new QPlainTextEdit(this);
    m_editor->setObjectName(QStringLiteral("TemplateText"));
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editor->setPlainText(text);
    layout->addWidget(m_editor, 1);
    m_fault = new QLabel(this);
    m_fault->setObjectName(QStringLiteral("TemplateFault"));
    m_fault->setWordWrap(true);
    m_fault->setStyleSheet(QStringLiteral("color: #a00000;"));
    m_fault->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_fault->hide();
    layout->addWidget(m_fault);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setObjectName(QStringLiteral("SaveTemplateBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { save(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString TemplateEditor::text() const
{
    return m_editor->toPlainText();
}

void TemplateEditor::setText(const QString& text)
{
    m_editor->setPlainText(text);
}

QString TemplateEditor::fault() const
{
    return m_fault->isVisible() ? m_fault->text() : QString();
}

void TemplateEditor::showFault(const QString& fault)
{
    m_fault->setText(fault);
    m_fault->setVisible(!fault.isEmpty());
    // "file:line:column: message" - put the cursor where the fault is.
    static const QRegularExpression where(QStringLiteral(":(\\d+):(\\d+):"));
    const QRegularExpressionMatch m = where.match(fault);
    if (!m.hasMatch())
        return;
    const QTextBlock block = m_editor->document()->findBlockByNumber(m.captured(1).toInt() - 1);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor,
                        std::clamp(m.captured(2).toInt() - 1, 0, std::max(0, block.length() - 1)));
    m_editor->setTextCursor(cursor);
    m_editor->setFocus();
}

bool TemplateEditor::save()
{
    const QByteArray bytes = text().toUtf8();
    const report::TemplateReader::Result read = report::TemplateReader::read(bytes, m_savePath);
    if (!read.layout) {
        showFault(read.errors.join(QLatin1Char('\n')));
        return false;
    }
    QString error;
    if (!report::ExportFile::save(m_savePath, bytes, &error)) {
        showFault(error);
        return false;
    }
    showFault(QString());
    accept();
    return true;
}

} // namespace kelvora
