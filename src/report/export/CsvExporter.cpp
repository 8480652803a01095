#include "report/export/CsvExporter.h"

#include "report/export/ExportFile.h"

#include <QMap>
#include <algorithm>

namespace kelvora::report {

QString CsvExporter::quoted(const QString& value)
{
    const bool needsQuotes = value.contains(u',') || value.contains(u'"') || value.contains(u'\n')
        || value.contains(u'\r');
    if (!needsQuotes)
        return value;
    QString inner = value;
    inner.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + inner + u'"';
}

QString CsvExporter::text(const ReportDocument& document)
{
    // A record that split over two pages is still one row: its continued parts carry
    // no text of their own.
    QMap<int, std::vector<const DisplayItem*>> records;
    for (const ReportPage& page : document.pages) {
        for (const DisplayItem& item : page.items) {
            if (item.kind == ItemKind::Text && item.record >= 0 && !item.continuation)
                records[item.record].push_back(&item);
        }
    }
    QString out;
    for (auto& cells : records) {
        std::stable_sort(cells.begin(), cells.end(), [](const DisplayItem* a, const DisplayItem* b) {
            if (a->rect.left() != b->rect.left())
                return a->rect.left() < b->rect.left();
            return a->rect.top() < b->rect.top();
        });
        QStringList row;
        for (const DisplayItem* cell : cells)
            row.append(quoted(cell->text));
        out += row.join(u',') + QLatin1String("\r\n");
    }
    return out;
}

bool CsvExporter::write(const ReportDocument& document, const QString& path, QString* error)
{
    return ExportFile::save(path, QByteArray("\xEF\xBB\xBF") + text(document).toUtf8(), error);
}

} // namespace kelvora::report
