#pragma once

#include "core/pages/PageContext.h"
#include "core/selection/SelectionItems.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace kelvora {

class PageSelection;
class View;

// Where a text stands in a record's notes: the characters of the stored text
// to select.
struct NotesHit
{
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const NotesHit&) const = default;
};

// The searches in the notes of the Clients, Expenses or Income page: the first
// and the next record whose notes contain a text (case-sensitive), and on the
// Clients page the clients whose surname contains a text. The text is the one
// search text the diary searches share.
class NotesSearch : public QObject
{
    Q_OBJECT
public:
    NotesSearch(SelectionPage page, View& view, PageSelection& selection, PageContext context,
                QObject* parent = nullptr);

    // The search text shared with the diary; until this is set the searches
    // keep a text of their own.
    void shareSearchText(std::function<QString()> get, std::function<void(const QString&)> set);
    QString searchText() const;

    // The last line of `notes` holding `text`, at its first occurrence there.
    static std::optional<NotesHit> find(const QString& notes, const QString& text);

    // Asks for the text and walks from the first record.
    void firstSearch();
    // Walks on from the record after the current one with the same text.
    void nextSearch();
    // Clients: shows the clients whose surname contains the asked text.
    void locateSurname();

signals:
    // The found record is current; its notes box selects the hit.
    void found(qsizetype start, qsizetype length);

private:
    // Makes the first record from `row` on whose notes hold the text current.
    std::optional<NotesHit> walkFrom(int row);
    void setSearchText(const QString& text);

    SelectionPage m_page;
    View& m_view;
    PageSelection& m_selection;
    PageContext m_context;
    QString m_ownText;
    std::function<QString()> m_getText;
    std::function<void(const QString&)> m_setText;
};

} // namespace kelvora
