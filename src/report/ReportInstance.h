#pragma once

#include "report/ReportTemplate.h"

#include <QHash>
#include <QImage>
#include <QPointF>
#include <optional>
#include <vector>

namespace kelvora::report {

// An object as one run prints it: a slot copy of a template object with what the
// program set on it by name.
struct InstanceObject
{
    const ReportObject* proto = nullptr;
    QString name;
    QPointF offset; // of its slot within the band
    bool visible = true;
    std::optional<QString> text; // set by the program: printed as written, no [expressions]
    bool pictureSet = false;
    QImage picture;
    std::optional<FontSpec> font;
    std::optional<QColor> colour;
    // The document style the object printed with last; -1 until it prints, and again
    // whenever its font or colour changes.
    int textStyle = -1;
    int shapeStyle = -1;

    QRectF rect() const { return proto->rect.translated(offset); }
    const FontSpec& fontSpec() const { return font ? *font : proto->font; }
    const QColor& textColour() const { return colour ? *colour : proto->colour; }
};

struct InstanceBand
{
    bool visible = true;
    std::vector<InstanceObject> objects;
};

// The loaded layout's objects and bands by name, and the values set on them.
// Names are found in any letter case.
class ReportInstance
{
public:
    explicit ReportInstance(const ReportTemplate& layout);

    std::vector<InstanceBand> bands;

    InstanceObject* object(const QString& name);
    int band(const QString& name) const; // -1 when there is none

private:
    QHash<QString, std::pair<int, int>> m_objects;
    QHash<QString, int> m_bands;
};

} // namespace kelvora::report
