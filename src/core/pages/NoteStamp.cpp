#include "core/pages/NoteStamp.h"

#include "core/dates/DateText.h"
#include "core/settings/ListText.h"
#include "core/store/View.h"

namespace kelvora {

namespace {
const QString kBreak = QStringLiteral("\r\n");
}

QString NoteStamp::suffix(NoteBox box)
{
    switch (box) {
    case NoteBox::Daytime: return kBreak;
    case NoteBox::NoteInc: return QStringLiteral(" ");
    case NoteBox::ClientNotes:
    case NoteBox::NoteExp:
    case NoteBox::ToDo:
    case NoteBox::Impt: return QStringLiteral("  ");
    }
    return {};
}

QString NoteStamp::stamp(NoteBox box, const QDateTime& now, const Regional& regional)
{
    return dateTimeText(now, regional) + suffix(box);
}

QString NoteStamp::appended(const QString& text, const QString& stamp, const QString& lineBreak)
{
    if (text.isEmpty() || text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        return text + stamp;
    return text + lineBreak + stamp;
}

void NoteStamp::stampRecord(View& view, const QString& field, const QString& stamp)
{
    if (view.currentRow() < 0)
        return;
    const QString text = view.asText(field);
    if (view.state() == View::State::Browse)
        view.edit();
    view.setField(field, Value::text(appended(text, stamp)));
    view.post();
}

void NoteStamp::stampList(ListText& list, NoteBox box, const QDateTime& now, const Regional& regional)
{
    const QString& text = list.text();
    const QString lineBreak = text.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    list.setText(appended(text, stamp(box, now, regional), lineBreak));
}

} // namespace kelvora
