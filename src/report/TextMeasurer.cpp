#include "report/TextMeasurer.h"

#include "report/FontMapper.h"
#include "report/ReferenceDevice.h"

#include <QTextLayout>
#include <QTextOption>

namespace kelvora::report {

struct TextMeasurer::Entry
{
    explicit Entry(const FontSpec& s)
        : spec(s), font(FontMapper::font(s)), metrics(font, &ReferenceDevice::instance()),
          lineHeightMm(toMm(metrics.lineSpacing()))
    {
        for (char16_t c = kFirstAscii; c <= kLastAscii; ++c)
            asciiAdvance[c - kFirstAscii] = metrics.horizontalAdvance(QChar(c));
    }

    // Most texts of a report are short values (dates, amounts, references) far from
    // the edge of their box. Adding up the advances of plain ASCII characters shows
    // that without shaping the text; only a text that comes near the edge is measured
    // properly. The margin covers kerning, which may widen a pair slightly.
    enum class Estimate { Fits, Overflows, Unsure };
    Estimate estimate(const QString& text, double limit) const
    {
        double sum = 0;
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (u < kFirstAscii || u > kLastAscii)
                return Estimate::Unsure;
            sum += asciiAdvance[u - kFirstAscii];
        }
        if (sum * 1.03 + 2 <= limit)
            return Estimate::Fits;
        return sum * 0.97 - 2 > limit ? Estimate::Overflows : Estimate::Unsure;
    }

    static constexpr char16_t kFirstAscii = 0x20;
    static constexpr char16_t kLastAscii = 0x7E;
    FontSpec spec;
    QFont font;
    QFontMetricsF metrics;
    double lineHeightMm;
    double asciiAdvance[kLastAscii - kFirstAscii + 1] = {};
};

TextMeasurer::TextMeasurer() = default;
TextMeasurer::~TextMeasurer() = default;

double TextMeasurer::toMm(double referencePixels)
{
    return referencePixels * 25.4 / ReferenceDevice::kDpi;
}

double TextMeasurer::toReferencePixels(double mm)
{
    return mm * ReferenceDevice::kDpi / 25.4;
}

TextMeasurer::Entry& TextMeasurer::entry(const FontSpec& font)
{
    if (m_last && m_last->spec == font)
        return *m_last;
    for (const auto& e : m_entries) {
        if (e->spec == font) {
            m_last = e.get();
            return *m_last;
        }
    }
    m_entries.push_back(std::make_unique<Entry>(font));
    m_last = m_entries.back().get();
    return *m_last;
}

double TextMeasurer::lineHeight(const FontSpec& font)
{
    return entry(font).lineHeightMm;
}

double TextMeasurer::width(const QString& text, const FontSpec& font)
{
    return toMm(entry(font).metrics.horizontalAdvance(text));
}

QStringList TextMeasurer::breakLines(const QString& text, const FontSpec& font, double widthMm, bool wordWrap,
                                     bool* overflows)
{
    if (overflows)
        *overflows = false;
    QStringList lines;
    if (text.isEmpty())
        return lines;
    Entry& e = entry(font);
    const double limit = toReferencePixels(std::max(0.0, widthMm));
    // The common case first: one short line needs one measurement and no layout.
    const bool plain = !text.contains(u'\n') && !text.contains(u'\r') && !text.contains(u'\t');
    if (plain) {
        const Entry::Estimate guess = e.estimate(text, limit);
        if (guess == Entry::Estimate::Fits) {
            lines.append(text);
            return lines;
        }
        const double w = guess == Entry::Estimate::Overflows && wordWrap ? limit + 1 : e.metrics.horizontalAdvance(text);
        if (w <= limit || !wordWrap) {
            if (overflows)
                *overflows = w > limit;
            lines.append(text);
            return lines;
        }
    }
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(u'\r', u'\n');
    normalised.replace(u'\t', QLatin1String("    "));
    const QStringList paragraphs = normalised.split(u'\n');
    for (const QString& paragraph : paragraphs) {
        const double w = e.metrics.horizontalAdvance(paragraph);
        if (w <= limit || !wordWrap || paragraph.isEmpty()) {
            if (overflows && w > limit)
                *overflows = true;
            lines.append(paragraph);
            continue;
        }
        QTextLayout layout(paragraph, e.font, &ReferenceDevice::instance());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(limit);
            QString piece = paragraph.mid(line.textStart(), line.textLength());
            while (!piece.isEmpty() && piece.back().isSpace())
                piece.chop(1);
            lines.append(piece);
        }
        layout.endLayout();
    }
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace kelvora::report
