#pragma once

#include "report/FontSpec.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <memory>

namespace kelvora::report {

class TextTemplate;

enum class ObjectKind { Text, Picture, Line, Frame, Gradient };
enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };
enum class GradientDirection { Vertical, Horizontal };
// How an object follows its band when the band grows or shrinks.
enum class StretchMode { None, ToBand };

// Sides of a frame, combinable.
enum class FrameSide : unsigned { None = 0, Left = 1, Top = 2, Right = 4, Bottom = 8, All = 15 };
constexpr unsigned sideBits(FrameSide s) { return static_cast<unsigned>(s); }

// One object of a band as the template describes it. Geometry is in millimetres from
// the band's top-left corner. Fields a kind does not use keep their defaults.
struct ReportObject
{
    ObjectKind kind = ObjectKind::Text;
    QString name;
    QRectF rect;
    bool visible = true;
    StretchMode stretch = StretchMode::None;

    // Text: the content with its [expressions], compiled when the template is checked.
    QString text;
    std::shared_ptr<const TextTemplate> compiled;
    FontSpec font;
    QColor colour = Qt::black; // text, line and frame colour; the gradient's start colour
    QColor fill;               // background of a text or frame; invalid when none
    QColor endColour = Qt::white; // the gradient's end colour
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Top;
    bool wordWrap = true;
    bool canGrow = false;
    bool canShrink = false;
    QString format; // display format of every expression of the text
    double padding = 0.5; // left and right inset of the text, mm
    unsigned frameSides = 0; // FrameSide bits, text objects only
    double lineWidth = 0.2; // mm: lines, frames and text frames
    QColor frameColour = Qt::black; // text frames

    // Picture: a file (relative names are looked up in the report's picture folder).
    QString file;
    bool keepAspect = true;
    bool center = true;

    GradientDirection direction = GradientDirection::Vertical;

    // Where the object was written, for messages about it.
    int sourceLine = 0;
    int sourceColumn = 0;
};

} // namespace kelvora::report
