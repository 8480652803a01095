#pragma once

#include "report/ReportBand.h"

#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

namespace kelvora::report {

enum class PageOrientation { Portrait, Landscape };

// The paper of a report. Sizes are in millimetres; a custom size is given as the
// sheet stands in portrait, and landscape turns named and custom sizes alike.
struct PageSetup
{
    QString paper = QStringLiteral("A4"); // a named size, or empty for the custom size
    QSizeF customSize;                     // mm, used when `paper` is empty
    PageOrientation orientation = PageOrientation::Portrait;
    QMarginsF margins{10, 10, 10, 10};     // mm: left, top, right, bottom
    int columns = 1;
    double columnWidth = 0; // mm; 0 shares the printable width out evenly
    double columnGap = 0;   // mm between columns
    FillOrder columnOrder = FillOrder::DownThenAcross;

    // The sheet as it prints, orientation applied.
    QSizeF sizeMm() const;
    QRectF printableRectMm() const;
    double columnWidthMm() const;
    double columnX(int column) const; // left edge of a column on the sheet

    // Portrait size of a named paper ("A4", "Letter", "DL", ...), letter case ignored.
    static std::optional<QSizeF> namedPaperSize(const QString& name);
    static QStringList namedPapers();

    bool operator==(const PageSetup&) const = default;
};

} // namespace kelvora::report
