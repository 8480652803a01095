#include "core/selection/NotesSearch.h"

#include "core/interaction/UserPort.h"
#include "core/selection/PageSelection.h"
#include "core/selection/TagWalk.h"
#include "core/store/Selection.h"
#include "core/store/View.h"

namespace kelvora {

namespace {
const QString kCaseSensitive = QStringLiteral("CASE SENSITIVE Search");
constexpr int kSurnameOrderItem = 18;

} // namespace

NotesSearch::NotesSearch(SelectionPage page, View& view, PageSelection& selection, PageContext context,
                         QObject* parent)
    : QObject(parent), m_page(page), m_view(view), m_selection(selection), m_context(std::move(context))
{
}

void NotesSearch::shareSearchText(std::function<QString()> get, std::function<void(const QString&)> set)
{
    m_getText = std::move(get);
    m_setText = std::move(set);
}

QString NotesSearch::searchText() const
{
    return m_getText ? m_getText() : m_ownText;
}

void NotesSearch::setSearchText(const QString& text)
{
    if (m_setText)
        m_setText(text);
    else
        m_ownText = text;
}

std::optional<NotesHit> NotesSearch::find(const QString& notes, const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    std::optional<NotesHit> hit;
    // Positions are those of the stored text, so a line break of "\r\n" or a
    // lone "\n" counts as what it is.
    qsizetype lineStart = 0;
    while (lineStart <= notes.size()) {
        qsizetype lineEnd = notes.indexOf(QLatin1Char('\n'), lineStart);
        const qsizetype next = lineEnd < 0 ? notes.size() + 1 : lineEnd + 1;
        if (lineEnd < 0)
            lineEnd = notes.size();
        if (lineEnd > lineStart && notes.at(lineEnd - 1) == QLatin1Char('\r'))
            --lineEnd;
        const qsizetype at = QStringView(notes).mid(lineStart, lineEnd - lineStart).indexOf(text);
        if (at >= 0)
            hit = NotesHit{lineStart + at, text.size()};
        lineStart = next;
    }
    return hit;
}

std::optional<NotesHit> NotesSearch::walkFrom(int row)
{
    const int notes = m_view.fieldIndex(u"Notes");
    const QString text = searchText();
    // The grid is not redrawn for every record passed.
    const tagwalk::HeldDisplay held(m_view);
    for (; row < m_view.rowCount(); ++row) {
        if (std::optional<NotesHit> hit = find(m_view.textAt(row, notes), text)) {
            m_view.setCurrentRow(row);
            return hit;
        }
    }
    return std::nullopt;
}

void NotesSearch::firstSearch()
{
    tagwalk::postPending(m_view);
    m_view.first();
    setSearchText(m_context.port.inputBox(kCaseSensitive, QStringLiteral("Enter Text to find"), searchText()));
    std::optional<NotesHit> hit;
    {
        const BusyCursor busy(m_context.port);
        hit = walkFrom(0);
    }
    if (hit) {
        emit found(hit->start, hit->length);
    } else {
        m_view.last();
        m_context.port.messageDlg(QStringLiteral("No entries were found."), MsgType::Information, MsgButton::OK);
    }
}

void NotesSearch::nextSearch()
{
    tagwalk::postPending(m_view);
    // At the last record the walk looks at that record again.
    m_view.next();
    if (const std::optional<NotesHit> hit = walkFrom(std::max(0, m_view.currentRow()))) {
        emit found(hit->start, hit->length);
    } else {
        m_view.first();
        m_context.port.messageDlg(QStringLiteral("No more entries were found,  click Next button to re-search."),
                                  MsgType::Information, MsgButton::OK);
    }
}

void NotesSearch::locateSurname()
{
    const QString before = searchText();
    const QString caption = before.isEmpty() ? QStringLiteral("Case SENSITIVE Search") : kCaseSensitive;
    const QString text = m_context.port.inputBox(caption, QStringLiteral("Enter Surname to locate"), before);
    setSearchText(text);
    tagwalk::postPending(m_view);
    // The text is bound as a value, so no text can break the selection.
    m_view.setSelection(Selection::contains(QStringLiteral("Surname"), text));
    m_selection.setOrderShown(kSurnameOrderItem);
    m_selection.clearTitleSort();
}

} // namespace kelvora
