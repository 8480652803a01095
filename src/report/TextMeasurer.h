#pragma once

#include "report/FontSpec.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace kelvora::report {

// Breaks texts into lines and measures them at the reference resolution, in mm.
// Fonts are prepared once per spec for the life of the measurer.
class TextMeasurer
{
public:
    TextMeasurer();
    ~TextMeasurer();

    double lineHeight(const FontSpec& font);
    double width(const QString& text, const FontSpec& font);

    // The lines `text` prints as in a box `widthMm` wide: explicit line breaks
    // (CR LF, LF or CR) always break, and with word wrap a line also breaks before
    // the word that would cross the edge (inside a word longer than the box).
    // Trailing empty lines are dropped; an empty text has no lines. `overflows` tells
    // whether a line is still wider than the box (a long line without word wrap).
    QStringList breakLines(const QString& text, const FontSpec& font, double widthMm, bool wordWrap,
                           bool* overflows = nullptr);

    static double toMm(double referencePixels);
    static double toReferencePixels(double mm);

private:
    struct Entry;
    Entry& entry(const FontSpec& font);

    std::vector<std::unique_ptr<Entry>> m_entries;
    Entry* m_last = nullptr;
};

} // namespace kelvora::report
