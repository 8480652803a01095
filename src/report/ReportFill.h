#pragma once

#include "report/FontSpec.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QVariant>

namespace kelvora::report {

// What the program's before-print step may do to a report while it is prepared.
// Objects and bands are found by name in any letter case. A name the layout lacks
// changes nothing and returns false; the run then ends with an error that lists it.
class ReportFill
{
public:
    virtual ~ReportFill() = default;

    // Printed exactly as given: brackets in it are not expressions.
    virtual bool setText(const QString& object, const QString& text) = 0;
    // Objects and bands alike.
    virtual bool setVisible(const QString& name, bool visible) = 0;
    // A picture file for a picture object. A file that is missing or not a picture
    // leaves the picture empty; the report still prints.
    virtual bool setPicture(const QString& object, const QString& filePath) = 0;
    // The same with the encoded bytes of a picture (a picture field of a record).
    virtual bool setPictureData(const QString& object, const QByteArray& encodedImage) = 0;
    // Replaces the whole font of a text object: face, size, style and colour.
    virtual bool setFont(const QString& object, const FontSpec& font, const QColor& colour) = 0;

    // The band about to print; empty in the call made once before the first band.
    virtual QString bandName() const = 0;
    // A field of the record a dataset is on (NULL when the name is unknown or the dataset empty).
    virtual QVariant value(const QString& dataset, const QString& field) const = 0;
    // The row a dataset is on, -1 when the name is unknown.
    virtual int row(const QString& dataset) const = 0;
};

} // namespace kelvora::report
