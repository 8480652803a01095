#include "core/diary/DiaryText.h"

namespace kelvora {

namespace {
const QString kBreak = QStringLiteral("\r\n");
}

QList<TextHit> DiaryText::lineHits(const QString& text, const QString& needle, int fromLine)
{
    QList<TextHit> hits;
    if (needle.isEmpty())
        return hits;
    qsizetype lineStart = 0;
    for (int line = 0;; ++line) {
        const qsizetype breakAt = text.indexOf(kBreak, lineStart);
        const qsizetype lineEnd = breakAt < 0 ? text.size() : breakAt;
        if (line >= fromLine) {
            const qsizetype at = QStringView(text).mid(lineStart, lineEnd - lineStart).indexOf(needle);
            if (at >= 0)
                hits.append({lineStart + at, needle.size(), line});
        }
        if (breakAt < 0)
            break;
        lineStart = breakAt + kBreak.size();
    }
    return hits;
}

bool DiaryText::mayHold(QByteArrayView utf8Text, QByteArrayView utf8Needle)
{
    return !utf8Needle.isEmpty() && utf8Text.contains(utf8Needle);
}

QString DiaryText::replaced(const QString& text, const TextHit& hit, const QString& replacement)
{
    return text.left(hit.start) + replacement + text.mid(hit.start + hit.length);
}

int DiaryText::extraLines(const QString& text)
{
    return int(text.count(kBreak));
}

} // namespace kelvora
