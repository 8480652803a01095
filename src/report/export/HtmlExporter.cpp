#include "report/export/HtmlExporter.h"

#include "report/FontMapper.h"
#include "report/export/ExportFile.h"

#include <QBuffer>

namespace kelvora::report {

namespace {

QString mm(double value)
{
    return QString::number(value, 'f', 2) + QLatin1String("mm");
}

QString box(const QRectF& r)
{
    return QStringLiteral("left:%1;top:%2;width:%3;height:%4;")
        .arg(mm(r.left()), mm(r.top()), mm(std::max(0.0, r.width())), mm(std::max(0.0, r.height())));
}

QString textStyleCss(const TextStyle& style)
{
    QString css = QStringLiteral("font-family:'%1','%2',sans-serif;font-size:%3pt;color:%4;line-height:%5;"
                                 "padding:0 %6;")
                      .arg(FontMapper::installedFamily(style.font.family), style.font.family)
                      .arg(style.font.size)
                      .arg(style.colour.name(), mm(style.lineHeight), mm(style.padding));
    if (style.font.bold)
        css += QLatin1String("font-weight:bold;");
    if (style.font.italic)
        css += QLatin1String("font-style:italic;");
    if (style.font.underline || style.font.strikeOut)
        css += QStringLiteral("text-decoration:%1;")
                   .arg(style.font.underline && style.font.strikeOut ? QStringLiteral("underline line-through")
                            : style.font.underline                  ? QStringLiteral("underline")
                                                                    : QStringLiteral("line-through"));
    switch (style.align) {
    case HAlign::Left: break;
    case HAlign::Center: css += QLatin1String("text-align:center;"); break;
    case HAlign::Right: css += QLatin1String("text-align:right;"); break;
    }
    return css;
}

QString borderCss(const ShapeStyle& style)
{
    QString css;
    if (style.fill.isValid())
        css += QStringLiteral("background:%1;").arg(style.fill.name());
    if (!style.colour.isValid() || style.lineWidth <= 0)
        return css;
    const QString border = QStringLiteral("%1 solid %2;").arg(mm(style.lineWidth), style.colour.name());
    const std::pair<unsigned, const char*> sides[] = {
        {1, "border-left:"}, {2, "border-top:"}, {4, "border-right:"}, {8, "border-bottom:"}};
    for (const auto& [bit, property] : sides) {
        if (style.sides & bit)
            css += QLatin1String(property) + border;
    }
    return css;
}

void writeItem(QString& out, const ReportDocument& document, const DisplayItem& item)
{
    switch (item.kind) {
    case ItemKind::Text: {
        const TextStyle& style = document.textStyles[size_t(item.style)];
        QStringList lines;
        for (int i = 0; i < item.lineCount(); ++i)
            lines.append(item.line(i).toHtmlEscaped());
        // Vertical alignment moves the lines within the box, as the painter does.
        QRectF r = item.rect;
        const double spare = r.height() - item.lineCount() * style.lineHeight;
        if (style.valign != VAlign::Top && spare > 0 && !item.clip)
            r.adjust(0, style.valign == VAlign::Center ? spare / 2 : spare, 0, 0);
        out += QStringLiteral("<div class=\"t s%1\" style=\"%2%3\">%4</div>\n")
                   .arg(item.style)
                   .arg(box(r), item.clip ? QStringLiteral("overflow:hidden;") : QString(),
                        lines.join(QLatin1String("<br>")));
        break;
    }
    case ItemKind::Frame:
        out += QStringLiteral("<div style=\"%1box-sizing:border-box;%2\"></div>\n")
                   .arg(box(item.rect), borderCss(document.shapeStyles[size_t(item.style)]));
        break;
    case ItemKind::Gradient: {
        const ShapeStyle& style = document.shapeStyles[size_t(item.style)];
        out += QStringLiteral("<div style=\"%1background:linear-gradient(%2,%3,%4);\"></div>\n")
                   .arg(box(item.rect),
                        style.direction == GradientDirection::Vertical ? QStringLiteral("to bottom")
                                                                       : QStringLiteral("to right"),
                        style.colour.name(), style.fill.name());
        break;
    }
    case ItemKind::Line: {
        const ShapeStyle& style = document.shapeStyles[size_t(item.style)];
        if (!style.colour.isValid())
            break;
        const QRectF r = item.rect.normalized();
        const double w = std::max(r.width(), 0.01);
        const double h = std::max(r.height(), 0.01);
        out += QStringLiteral("<svg style=\"%1overflow:visible;\" viewBox=\"%2 %3 %4 %5\" preserveAspectRatio=\"none\">"
                              "<line x1=\"%6\" y1=\"%7\" x2=\"%8\" y2=\"%9\" stroke=\"%10\" stroke-width=\"%11\"/></svg>\n")
                   .arg(box(QRectF(r.topLeft(), QSizeF(w, h))))
                   .arg(r.left())
                   .arg(r.top())
                   .arg(w)
                   .arg(h)
                   .arg(item.rect.left())
                   .arg(item.rect.top())
                   .arg(item.rect.right())
                   .arg(item.rect.bottom())
                   .arg(style.colour.name())
                   .arg(style.lineWidth);
        break;
    }
    case ItemKind::Image:
        out += QStringLiteral("<div class=\"i%1\" style=\"%2\"></div>\n").arg(item.image).arg(box(item.rect));
        break;
    }
}

} // namespace

QString HtmlExporter::text(const ReportDocument& document)
{
    const QSizeF size = document.pageSizeMm();
    QString out;
    out += QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n<style>\n")
               .arg(document.title.toHtmlEscaped());
    out += QStringLiteral("@page { size: %1 %2; margin: 0; }\n").arg(mm(size.width()), mm(size.height()));
    out += QLatin1String("body { margin: 0; background: #888; }\n"
                         ".page { position: relative; overflow: hidden; background: #fff; margin: 8mm auto; "
                         "page-break-after: always; }\n"
                         ".page > * { position: absolute; box-sizing: border-box; }\n"
                         ".t { white-space: pre; }\n"
                         "@media print { body { background: none; } .page { margin: 0; } }\n");
    for (size_t s = 0; s < document.textStyles.size(); ++s)
        out += QStringLiteral(".s%1 { %2}\n").arg(s).arg(textStyleCss(document.textStyles[s]));
    for (size_t i = 0; i < document.images.size(); ++i) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        document.images[i].save(&buffer, "PNG");
        out += QStringLiteral(".i%1 { background: url(data:image/png;base64,%2) 0 0 / 100% 100% no-repeat; }\n")
                   .arg(i)
                   .arg(QString::fromLatin1(png.toBase64()));
    }
    out += QLatin1String("</style>\n</head>\n<body>\n");
    for (const ReportPage& page : document.pages) {
        out += QStringLiteral("<div class=\"page\" style=\"width:%1;height:%2;\">\n")
                   .arg(mm(size.width()), mm(size.height()));
        for (const DisplayItem& item : page.items)
            writeItem(out, document, item);
        out += QLatin1String("</div>\n");
    }
    out += QLatin1String("</body>\n</html>\n");
    return out;
}

bool HtmlExporter::write(const ReportDocument& document, const QString& path, QString* error)
{
    return ExportFile::save(path, text(document).toUtf8(), error);
}

} // namespace kelvora::report
