#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

namespace kelvora::report {

enum class ItemKind : quint8 { Text, Line, Frame, Gradient, Image };

// One thing drawn on a prepared page, in millimetres from the sheet's top-left corner.
struct DisplayItem
{
    ItemKind kind = ItemKind::Text;
    // Text: index into ReportDocument::textStyles; Line, Frame, Gradient: into shapeStyles.
    int style = -1;
    // Image: index into ReportDocument::images.
    int image = -1;
    // The master record the item belongs to (numbered through the report from 0), or -1.
    int record = -1;
    // Text whose value waits for the page numbers: index into the pending page texts.
    int pendingPageText = -1;
    // Text: a line is wider than its box, so painting clips it to the box.
    bool clip = false;
    // The part of a text or shape carried over to the next page when its band split.
    bool continuation = false;
    // Line: from the top-left to the bottom-right corner (the height may be negative).
    QRectF rect;
    // Text: the value as evaluated; `lines` holds its lines when it breaks into more than one.
    QString text;
    QStringList lines;

    int lineCount() const { return lines.isEmpty() ? (text.isEmpty() ? 0 : 1) : int(lines.size()); }
    const QString& line(int i) const { return lines.isEmpty() ? text : lines.at(i); }
};

} // namespace kelvora::report
