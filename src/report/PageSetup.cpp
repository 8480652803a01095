#include "report/PageSetup.h"

#include <QPageSize>
#include <algorithm>
#include <iterator>

namespace kelvora::report {

namespace {

struct NamedPaper
{
    const char* name;
    QPageSize::PageSizeId id;
};

constexpr NamedPaper kPapers[] = {
    {"A3", QPageSize::A3},         {"A4", QPageSize::A4},       {"A5", QPageSize::A5},
    {"A6", QPageSize::A6},         {"B5", QPageSize::B5},       {"Letter", QPageSize::Letter},
    {"Legal", QPageSize::Legal},   {"Executive", QPageSize::Executive},
    {"DL", QPageSize::EnvelopeDL}, {"C4", QPageSize::EnvelopeC4}, {"C5", QPageSize::EnvelopeC5},
    {"C6", QPageSize::EnvelopeC6}, {"Envelope10", QPageSize::Envelope10},
};

} // namespace

std::optional<QSizeF> PageSetup::namedPaperSize(const QString& name)
{
    const auto it = std::find_if(std::begin(kPapers), std::end(kPapers), [&](const NamedPaper& p) {
        return name.compare(QLatin1String(p.name), Qt::CaseInsensitive) == 0;
    });
    if (it == std::end(kPapers))
        return std::nullopt;
    return QPageSize(it->id).size(QPageSize::Millimeter);
}

QStringList PageSetup::namedPapers()
{
    QStringList names;
    for (const NamedPaper& p : kPapers)
        names.append(QLatin1String(p.name));
    return names;
}

QSizeF PageSetup::sizeMm() const
{
    QSizeF size = customSize;
    if (!paper.isEmpty())
        size = namedPaperSize(paper).value_or(QSizeF(210, 297));
    return orientation == PageOrientation::Landscape ? size.transposed() : size;
}

QRectF PageSetup::printableRectMm() const
{
    const QSizeF size = sizeMm();
    return QRectF(margins.left(), margins.top(), size.width() - margins.left() - margins.right(),
                  size.height() - margins.top() - margins.bottom());
}

double PageSetup::columnWidthMm() const
{
    const int n = std::max(1, columns);
    if (columnWidth > 0)
        return columnWidth;
    return std::max(0.0, (printableRectMm().width() - (n - 1) * columnGap) / n);
}

double PageSetup::columnX(int column) const
{
    return margins.left() + column * (columnWidthMm() + columnGap);
}

} // namespace kelvora::report
