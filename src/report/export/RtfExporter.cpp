#include "report/export/RtfExporter.h"

#include "report/FontMapper.h"
#include "report/export/ExportFile.h"

#include <QBuffer>
#include <QStringList>
#include <cmath>

namespace kelvora::report {

namespace {

int twips(double mm)
{
    return int(std::lround(mm * 1440.0 / 25.4));
}

// RTF is 7-bit: braces and backslashes escaped, everything else beyond ASCII as \uN?.
QByteArray escaped(const QString& text)
{
    QByteArray out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else if (u >= 0x80) {
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return out;
}

class Tables
{
public:
    int font(const QString& family)
    {
        const int i = int(m_fonts.indexOf(family));
        if (i >= 0)
            return i;
        m_fonts.append(family);
        return int(m_fonts.size()) - 1;
    }
    // Colour numbers start at 1: 0 is the automatic colour.
    int colour(const QColor& c)
    {
        const QRgb rgb = c.rgb() & 0xFFFFFF;
        const int i = int(m_colours.indexOf(rgb));
        if (i >= 0)
            return i + 1;
        m_colours.append(rgb);
        return int(m_colours.size());
    }
    QByteArray header() const
    {
        QByteArray out = "{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i)
            out += "{\\f" + QByteArray::number(i) + "\\fnil " + escaped(m_fonts[i]) + ";}";
        out += "}\n{\\colortbl;";
        for (const QRgb rgb : m_colours)
            out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb)) + "\\blue"
                + QByteArray::number(qBlue(rgb)) + ';';
        out += "}\n";
        return out;
    }

private:
    QStringList m_fonts;
    QList<QRgb> m_colours;
};

QByteArray frameStart(const QRectF& r)
{
    return "{\\pard\\plain\\pvpg\\phpg\\posx" + QByteArray::number(twips(r.left())) + "\\posy"
        + QByteArray::number(twips(r.top())) + "\\absw" + QByteArray::number(std::max(1, twips(r.width())))
        + "\\absh-" + QByteArray::number(std::max(1, twips(r.height()))) + "\\dxfrtext0\\dfrmtxtx0\\dfrmtxty0";
}

QByteArray colourWords(const char* prefix, const QColor& c)
{
    return QByteArray("\\") + prefix + "r" + QByteArray::number(c.red()) + "\\" + prefix + "g"
        + QByteArray::number(c.green()) + "\\" + prefix + "b" + QByteArray::number(c.blue());
}

QByteArray drawingObject(int z, const QByteArray& shape, const QRectF& r)
{
    return "{\\*\\do\\dobxpage\\dobypage\\dodhgt" + QByteArray::number(z) + shape + "\\dpx"
        + QByteArray::number(twips(r.left())) + "\\dpy" + QByteArray::number(twips(r.top())) + "\\dpxsize"
        + QByteArray::number(twips(r.width())) + "\\dpysize" + QByteArray::number(twips(r.height()));
}

QByteArray filledRectangle(int z, const QRectF& r, const QColor& fill, const QColor& border, double lineWidth)
{
    QByteArray out = drawingObject(z, "\\dprect", r);
    if (border.isValid() && lineWidth > 0)
        out += "\\dplinew" + QByteArray::number(twips(lineWidth)) + colourWords("dplineco", border) + "\\dplinesolid";
    else
        out += "\\dplinehollow";
    if (fill.isValid())
        out += colourWords("dpfillfgc", fill) + colourWords("dpfillbgc", fill) + "\\dpfillpat1";
    else
        out += "\\dpfillpat0";
    return out + "}\n";
}

} // namespace

QByteArray RtfExporter::text(const ReportDocument& document)
{
    Tables tables;
    QByteArray body;
    const QSizeF size = document.pageSizeMm();
    int z = 0;
    for (int p = 0; p < document.pageCount(); ++p) {
        QByteArray drawings;
        for (const DisplayItem& item : document.pages[size_t(p)].items) {
            switch (item.kind) {
            case ItemKind::Text: {
                const TextStyle& style = document.textStyles[size_t(item.style)];
                QByteArray frame = frameStart(item.rect);
                frame += style.align == HAlign::Right ? "\\qr" : style.align == HAlign::Center ? "\\qc" : "\\ql";
                frame += "\\li" + QByteArray::number(twips(style.padding)) + "\\ri"
                    + QByteArray::number(twips(style.padding));
                frame += "\\f" + QByteArray::number(tables.font(FontMapper::installedFamily(style.font.family)));
                frame += "\\fs" + QByteArray::number(std::lround(style.font.size * 2));
                frame += "\\cf" + QByteArray::number(tables.colour(style.colour));
                if (style.font.bold)
                    frame += "\\b";
                if (style.font.italic)
                    frame += "\\i";
                if (style.font.underline)
                    frame += "\\ul";
                if (style.font.strikeOut)
                    frame += "\\strike";
                frame += ' ';
                QByteArrayList lines;
                for (int i = 0; i < item.lineCount(); ++i)
                    lines.append(escaped(item.line(i)));
                body += frame + lines.join("\\line ") + "\\par}\n";
                break;
            }
            case ItemKind::Image: {
                const QImage& image = document.images[size_t(item.image)];
                QByteArray png;
                QBuffer buffer(&png);
                buffer.open(QIODevice::WriteOnly);
                image.save(&buffer, "PNG");
                body += frameStart(item.rect) + " {\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich"
                    + QByteArray::number(image.height()) + "\\picwgoal" + QByteArray::number(twips(item.rect.width()))
                    + "\\pichgoal" + QByteArray::number(twips(item.rect.height())) + "\n" + png.toHex() + "}\\par}\n";
                break;
            }
            case ItemKind::Line: {
                const ShapeStyle& style = document.shapeStyles[size_t(item.style)];
                if (!style.colour.isValid())
                    break;
                const QRectF r = item.rect.normalized();
                drawings += drawingObject(++z, "\\dpline", r) + "\\dpptx"
                    + QByteArray::number(twips(item.rect.left() - r.left())) + "\\dppty"
                    + QByteArray::number(twips(item.rect.top() - r.top())) + "\\dpptx"
                    + QByteArray::number(twips(item.rect.right() - r.left())) + "\\dppty"
                    + QByteArray::number(twips(item.rect.bottom() - r.top())) + "\\dplinew"
                    + QByteArray::number(twips(style.lineWidth)) + colourWords("dplineco", style.colour)
                    + "\\dplinesolid}\n";
                break;
            }
            case ItemKind::Frame: {
                const ShapeStyle& style = document.shapeStyles[size_t(item.style)];
                drawings += filledRectangle(++z, item.rect, style.fill, style.sides == 15 ? style.colour : QColor(),
                                            style.lineWidth);
                break;
            }
            case ItemKind::Gradient: {
                const ShapeStyle& style = document.shapeStyles[size_t(item.style)];
                const QColor middle((style.colour.red() + style.fill.red()) / 2,
                                    (style.colour.green() + style.fill.green()) / 2,
                                    (style.colour.blue() + style.fill.blue()) / 2);
                drawings += filledRectangle(++z, item.rect, middle, QColor(), 0);
                break;
            }
            }
        }
        // The drawings of a page hang from one paragraph on it.
        body += "\\pard\\plain\\fs2 " + drawings + "\\par\n";
        if (p + 1 < document.pageCount())
            body += "\\page\n";
    }
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    out += tables.header();
    out += "\\paperw" + QByteArray::number(twips(size.width())) + "\\paperh" + QByteArray::number(twips(size.height()))
        + "\\margl0\\margr0\\margt0\\margb0";
    if (size.width() > size.height())
        out += "\\landscape";
    out += "\n\\sectd\\pgwsxn" + QByteArray::number(twips(size.width())) + "\\pghsxn"
        + QByteArray::number(twips(size.height())) + "\\marglsxn0\\margrsxn0\\margtsxn0\\margbsxn0\n";
    out += body;
    out += "}\n";
    return out;
}

bool RtfExporter::write(const ReportDocument& document, const QString& path, QString* error)
{
    return ExportFile::save(path, text(document), error);
}

} // namespace kelvora::report
