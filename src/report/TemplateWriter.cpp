#include "report/TemplateWriter.h"

#include "core/format/ColourText.h"

#include <QXmlStreamWriter>

namespace kelvora::report {

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

QString colourValue(const QColor& colour)
{
    if (!colour.isValid())
        return QStringLiteral("none");
    const quint32 packed = colourFromRgb(colour.red(), colour.green(), colour.blue());
    const QString text = colourText(packed);
    return text.startsWith(QLatin1String("cl")) ? text : colour.name();
}

class Writer
{
public:
    explicit Writer(QByteArray* out) : m_xml(out) { m_xml.setAutoFormatting(true); }

    void write(const ReportTemplate& t)
    {
        m_xml.writeStartDocument();
        m_xml.writeStartElement(QStringLiteral("report"));
        m_xml.writeAttribute(QStringLiteral("version"), QString::number(ReportTemplate::kVersion));
        optional(QStringLiteral("name"), t.name);
        writePage(t.page);
        for (size_t b = 0; b < t.bands.size(); ++b) {
            if (t.bands[b].type != BandType::Child)
                writeBand(t, int(b));
        }
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }

private:
    void optional(const QString& name, const QString& value)
    {
        if (!value.isEmpty())
            m_xml.writeAttribute(name, value);
    }

    void numberIf(const QString& name, double value, double fallback)
    {
        if (value != fallback)
            m_xml.writeAttribute(name, number(value));
    }

    void flagIf(const QString& name, bool value, bool fallback)
    {
        if (value != fallback)
            m_xml.writeAttribute(name, value ? QStringLiteral("true") : QStringLiteral("false"));
    }

    void colourIf(const QString& name, const QColor& value, const QColor& fallback)
    {
        if (value != fallback)
            m_xml.writeAttribute(name, colourValue(value));
    }

    void writePage(const PageSetup& page)
    {
        const PageSetup defaults;
        if (page == defaults)
            return;
        m_xml.writeEmptyElement(QStringLiteral("page"));
        if (page.paper.isEmpty()) {
            m_xml.writeAttribute(QStringLiteral("width"), number(page.customSize.width()));
            m_xml.writeAttribute(QStringLiteral("height"), number(page.customSize.height()));
        } else if (page.paper != defaults.paper) {
            m_xml.writeAttribute(QStringLiteral("paper"), page.paper);
        }
        if (page.orientation == PageOrientation::Landscape)
            m_xml.writeAttribute(QStringLiteral("orientation"), QStringLiteral("landscape"));
        if (page.margins != defaults.margins) {
            const QMarginsF& m = page.margins;
            const bool even = m.left() == m.top() && m.top() == m.right() && m.right() == m.bottom();
            m_xml.writeAttribute(QStringLiteral("margins"),
                                 even ? number(m.left())
                                      : QStringList{number(m.left()), number(m.top()), number(m.right()),
                                                    number(m.bottom())}
                                            .join(u' '));
        }
        numberIf(QStringLiteral("columns"), page.columns, defaults.columns);
        numberIf(QStringLiteral("columnWidth"), page.columnWidth, defaults.columnWidth);
        numberIf(QStringLiteral("columnGap"), page.columnGap, defaults.columnGap);
        if (page.columnOrder == FillOrder::AcrossThenDown)
            m_xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("across"));
    }

    void writeBand(const ReportTemplate& t, int index)
    {
        const ReportBand& band = t.bands[size_t(index)];
        m_xml.writeStartElement(QLatin1String(bandTypeElement(band.type)));
        optional(QStringLiteral("name"), band.name);
        numberIf(QStringLiteral("height"), band.height, 0);
        optional(QStringLiteral("dataset"), band.dataset);
        optional(QStringLiteral("condition"), band.condition);
        flagIf(QStringLiteral("visible"), band.visible, true);
        flagIf(QStringLiteral("canGrow"), band.canGrow, false);
        flagIf(QStringLiteral("canShrink"), band.canShrink, false);
        flagIf(QStringLiteral("canSplit"), band.canSplit, false);
        flagIf(QStringLiteral("startNewPage"), band.startNewPage, false);
        flagIf(QStringLiteral("repeatOnNewPage"), band.repeatOnNewPage, false);
        flagIf(QStringLiteral("printOnFirstPage"), band.printOnFirstPage, true);
        if (band.slotGrid.active()) {
            m_xml.writeEmptyElement(QStringLiteral("slots"));
            m_xml.writeAttribute(QStringLiteral("columns"), QString::number(band.slotGrid.columns));
            m_xml.writeAttribute(QStringLiteral("rows"), QString::number(band.slotGrid.rows));
            numberIf(QStringLiteral("pitchX"), band.slotGrid.pitchX, 0);
            numberIf(QStringLiteral("pitchY"), band.slotGrid.pitchY, 0);
            if (band.slotGrid.order == FillOrder::DownThenAcross)
                m_xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("down"));
        }
        for (const ReportObject& object : band.objects)
            writeObject(object);
        if (band.child >= 0)
            writeBand(t, band.child);
        m_xml.writeEndElement();
    }

    static QString kindElement(ObjectKind kind)
    {
        switch (kind) {
        case ObjectKind::Text: return QStringLiteral("text");
        case ObjectKind::Picture: return QStringLiteral("picture");
        case ObjectKind::Line: return QStringLiteral("line");
        case ObjectKind::Frame: return QStringLiteral("frame");
        case ObjectKind::Gradient: return QStringLiteral("gradient");
        }
        return {};
    }

    void writeObject(const ReportObject& o)
    {
        const ReportObject d; // defaults
        m_xml.writeStartElement(kindElement(o.kind));
        optional(QStringLiteral("name"), o.name);
        numberIf(QStringLiteral("left"), o.rect.left(), 0);
        numberIf(QStringLiteral("top"), o.rect.top(), 0);
        numberIf(QStringLiteral("width"), o.rect.width(), 0);
        numberIf(QStringLiteral("height"), o.rect.height(), 0);
        flagIf(QStringLiteral("visible"), o.visible, true);
        if (o.stretch == StretchMode::ToBand)
            m_xml.writeAttribute(QStringLiteral("stretch"), QStringLiteral("band"));
        switch (o.kind) {
        case ObjectKind::Text: writeTextAttributes(o, d); break;
        case ObjectKind::Picture:
            optional(QStringLiteral("file"), o.file);
            flagIf(QStringLiteral("keepAspect"), o.keepAspect, true);
            flagIf(QStringLiteral("center"), o.center, true);
            break;
        case ObjectKind::Line:
            colourIf(QStringLiteral("colour"), o.colour, d.colour);
            numberIf(QStringLiteral("lineWidth"), o.lineWidth, d.lineWidth);
            break;
        case ObjectKind::Frame:
            colourIf(QStringLiteral("colour"), o.colour, d.colour);
            colourIf(QStringLiteral("fill"), o.fill, d.fill);
            numberIf(QStringLiteral("lineWidth"), o.lineWidth, d.lineWidth);
            break;
        case ObjectKind::Gradient:
            colourIf(QStringLiteral("colour"), o.colour, d.colour);
            colourIf(QStringLiteral("endColour"), o.endColour, d.endColour);
            if (o.direction == GradientDirection::Horizontal)
                m_xml.writeAttribute(QStringLiteral("direction"), QStringLiteral("horizontal"));
            break;
        }
        if (o.kind == ObjectKind::Text && !o.text.isEmpty())
            m_xml.writeCharacters(o.text);
        m_xml.writeEndElement();
    }

    void writeTextAttributes(const ReportObject& o, const ReportObject& d)
    {
        if (o.font.family != d.font.family)
            m_xml.writeAttribute(QStringLiteral("font"), o.font.family);
        numberIf(QStringLiteral("size"), o.font.size, d.font.size);
        flagIf(QStringLiteral("bold"), o.font.bold, false);
        flagIf(QStringLiteral("italic"), o.font.italic, false);
        flagIf(QStringLiteral("underline"), o.font.underline, false);
        flagIf(QStringLiteral("strikeOut"), o.font.strikeOut, false);
        colourIf(QStringLiteral("colour"), o.colour, d.colour);
        colourIf(QStringLiteral("fill"), o.fill, d.fill);
        if (o.align != HAlign::Left)
            m_xml.writeAttribute(QStringLiteral("align"),
                                 o.align == HAlign::Center ? QStringLiteral("center") : QStringLiteral("right"));
        if (o.valign != VAlign::Top)
            m_xml.writeAttribute(QStringLiteral("valign"),
                                 o.valign == VAlign::Center ? QStringLiteral("center") : QStringLiteral("bottom"));
        flagIf(QStringLiteral("wordWrap"), o.wordWrap, true);
        flagIf(QStringLiteral("canGrow"), o.canGrow, false);
        flagIf(QStringLiteral("canShrink"), o.canShrink, false);
        optional(QStringLiteral("format"), o.format);
        numberIf(QStringLiteral("padding"), o.padding, d.padding);
        if (o.frameSides != 0) {
            QStringList sides;
            if (o.frameSides == sideBits(FrameSide::All)) {
                sides.append(QStringLiteral("all"));
            } else {
                const std::pair<FrameSide, const char*> names[] = {{FrameSide::Left, "left"},
                                                                   {FrameSide::Top, "top"},
                                                                   {FrameSide::Right, "right"},
                                                                   {FrameSide::Bottom, "bottom"}};
                for (const auto& [side, name] : names) {
                    if (o.frameSides & sideBits(side))
                        sides.append(QLatin1String(name));
                }
            }
            m_xml.writeAttribute(QStringLiteral("frame"), sides.join(u' '));
        }
        if (o.frameSides != 0) {
            numberIf(QStringLiteral("lineWidth"), o.lineWidth, d.lineWidth);
            colourIf(QStringLiteral("frameColour"), o.frameColour, d.frameColour);
        }
    }

    QXmlStreamWriter m_xml;
};

} // namespace

QByteArray TemplateWriter::write(const ReportTemplate& layout)
{
    QByteArray out;
    Writer(&out).write(layout);
    return out;
}

} // namespace kelvora::report
