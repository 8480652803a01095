#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace kelvora {

// An occurrence of a search text in a day's text: a zero-based offset into the
// stored text (line breaks "\r\n" count two), its length, and its line.
struct TextHit
{
    qsizetype start = 0;
    qsizetype length = 0;
    int line = 0;

    bool operator==(const TextHit&) const = default;
};

// How the diary searches read a day's text: line by line, lines ending at
// "\r\n", the first exact (case-sensitive) occurrence in each line. A text that
// runs across a line break is never found; an empty text never matches.
class DiaryText
{
public:
    // The hits of lines `fromLine` onwards, in line order.
    static QList<TextHit> lineHits(const QString& text, const QString& needle, int fromLine = 0);
    // A quick test on the stored bytes before a record's text is read line by
    // line: false means lineHits() finds nothing.
    static bool mayHold(QByteArrayView utf8Text, QByteArrayView utf8Needle);
    // `text` with the hit replaced by `replacement`.
    static QString replaced(const QString& text, const TextHit& hit, const QString& replacement);
    // How many lines a text spans beyond its first ("\r\n" counted).
    static int extraLines(const QString& text);
};

} // namespace kelvora
