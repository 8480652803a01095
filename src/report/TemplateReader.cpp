#include "report/TemplateReader.h"

#include "core/format/ColourText.h"

#include <QFile>
#include <QSet>
#include <QXmlStreamReader>
#include <cmath>

namespace kelvora::report {

namespace {

// The attributes of one element, read with defaults; each fault is noted with the
// element's position, and attributes nobody asked for are faults too (a typo must
// not pass silently).
class Attributes
{
public:
    Attributes(const QXmlStreamReader& xml, const ReportTemplate& tmpl, QStringList& errors)
        : m_attributes(xml.attributes()), m_element(xml.name().toString()), m_errors(errors),
          m_where(tmpl.location(int(xml.lineNumber()), int(xml.columnNumber())))
    {
    }

    bool has(const QString& name) const { return m_attributes.hasAttribute(name); }

    QString text(const QString& name, const QString& fallback = QString())
    {
        m_used.insert(name);
        return has(name) ? m_attributes.value(name).toString() : fallback;
    }

    double number(const QString& name, double fallback)
    {
        if (!has(name)) {
            m_used.insert(name);
            return fallback;
        }
        bool ok = false;
        const double value = text(name).trimmed().toDouble(&ok);
        ok = ok && std::isfinite(value);
        if (!ok)
            fault(QStringLiteral("%1=\"%2\" is not a number").arg(name, text(name)));
        return ok ? value : fallback;
    }

    int whole(const QString& name, int fallback, int minimum)
    {
        if (!has(name)) {
            m_used.insert(name);
            return fallback;
        }
        bool ok = false;
        const int value = text(name).trimmed().toInt(&ok);
        if (!ok || value < minimum) {
            fault(QStringLiteral("%1=\"%2\" is not a whole number of at least %3").arg(name, text(name)).arg(minimum));
            return fallback;
        }
        return value;
    }

    bool flag(const QString& name, bool fallback)
    {
        const QString value = text(name).trimmed();
        if (value.isEmpty() && !has(name))
            return fallback;
        if (value == QLatin1String("true"))
            return true;
        if (value == QLatin1String("false"))
            return false;
        fault(QStringLiteral("%1=\"%2\" must be true or false").arg(name, value));
        return fallback;
    }

    // A colour: a program colour text ("clBlue", "$00BBGGRR", decimal), "#rrggbb", an SVG
    // name, or "none".
    QColor colour(const QString& name, const QColor& fallback)
    {
        if (!has(name)) {
            m_used.insert(name);
            return fallback;
        }
        const QString value = text(name).trimmed();
        if (value.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
            return QColor();
        if (const auto c = parseColourText(value))
            return QColor(red(*c), green(*c), blue(*c));
        const QColor parsed = QColor::fromString(value);
        if (!parsed.isValid())
            fault(QStringLiteral("%1=\"%2\" is not a colour").arg(name, value));
        return parsed.isValid() ? parsed : fallback;
    }

    template <typename Enum>
    Enum choice(const QString& name, Enum fallback, std::initializer_list<std::pair<const char*, Enum>> options)
    {
        if (!has(name)) {
            m_used.insert(name);
            return fallback;
        }
        const QString value = text(name).trimmed();
        QStringList names;
        for (const auto& option : options) {
            if (value == QLatin1String(option.first))
                return option.second;
            names.append(QLatin1String(option.first));
        }
        fault(QStringLiteral("%1=\"%2\" must be one of: %3").arg(name, value, names.join(QStringLiteral(", "))));
        return fallback;
    }

    void fault(const QString& message) { m_errors.append(m_where + QStringLiteral(": <") + m_element + u'>' + u' ' + message); }

    // Reports the attributes that were never read.
    void finish()
    {
        for (const QXmlStreamAttribute& a : m_attributes) {
            if (!m_used.contains(a.name().toString()))
                fault(QStringLiteral("has no attribute \"%1\"").arg(a.name()));
        }
    }

private:
    QXmlStreamAttributes m_attributes;
    QString m_element;
    QStringList& m_errors;
    QString m_where;
    QSet<QString> m_used;
};

class Reader
{
public:
    Reader(const QByteArray& xml, ReportTemplate& tmpl, QStringList& errors)
        : m_xml(xml), m_template(tmpl), m_errors(errors)
    {
    }

    void run()
    {
        if (!m_xml.readNextStartElement()) {
            xmlFault();
            if (m_errors.isEmpty())
                m_errors.append(m_template.location(int(m_xml.lineNumber()), int(m_xml.columnNumber()))
                                + QStringLiteral(": The file holds no <report>"));
            return;
        }
        if (m_xml.name() != QLatin1String("report")) {
            elementFault(QStringLiteral("The template must start with <report>, not <%1>").arg(m_xml.name()));
            return;
        }
        Attributes a(m_xml, m_template, m_errors);
        m_template.version = a.whole(QStringLiteral("version"), 0, 1);
        if (!a.has(QStringLiteral("version")))
            a.fault(QStringLiteral("needs a version attribute"));
        else if (m_template.version > ReportTemplate::kVersion)
            a.fault(QStringLiteral("version %1 is newer than this program reads (%2)")
                        .arg(m_template.version)
                        .arg(ReportTemplate::kVersion));
        m_template.name = a.text(QStringLiteral("name"));
        a.finish();
        bool pageSeen = false;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("page")) {
                if (pageSeen)
                    elementFault(QStringLiteral("A report has only one <page>"));
                pageSeen = true;
                readPage();
            } else if (const auto type = bandType(m_xml.name()); type && *type != BandType::Child) {
                readBand(*type);
            } else {
                unexpected();
            }
        }
        // Anything after </report> is a fault too, not something to drop quietly.
        while (!m_xml.atEnd() && !m_xml.hasError())
            m_xml.readNext();
        xmlFault();
    }

private:
    static std::optional<BandType> bandType(QStringView element)
    {
        for (BandType t : {BandType::ReportTitle, BandType::PageHeader, BandType::GroupHeader, BandType::MasterData,
                           BandType::Child, BandType::GroupFooter, BandType::ReportSummary, BandType::PageFooter}) {
            if (element == QLatin1String(bandTypeElement(t)))
                return t;
        }
        return std::nullopt;
    }

    void xmlFault()
    {
        if (m_xml.hasError())
            m_errors.append(m_template.location(int(m_xml.lineNumber()), int(m_xml.columnNumber())) + QStringLiteral(": ")
                            + m_xml.errorString());
    }

    void elementFault(const QString& message)
    {
        m_errors.append(m_template.location(int(m_xml.lineNumber()), int(m_xml.columnNumber())) + QStringLiteral(": ")
                        + message);
    }

    void unexpected()
    {
        elementFault(QStringLiteral("<%1> is not expected here").arg(m_xml.name()));
        m_xml.skipCurrentElement();
    }

    void readPage()
    {
        PageSetup& page = m_template.page;
        Attributes a(m_xml, m_template, m_errors);
        const bool custom = a.has(QStringLiteral("width")) || a.has(QStringLiteral("height"));
        if (custom) {
            if (a.has(QStringLiteral("paper")))
                a.fault(QStringLiteral("takes either a paper name or a width and height"));
            page.paper.clear();
            page.customSize = QSizeF(a.number(QStringLiteral("width"), 0), a.number(QStringLiteral("height"), 0));
            if (page.customSize.width() <= 0 || page.customSize.height() <= 0)
                a.fault(QStringLiteral("needs a width and a height above 0 mm"));
        } else {
            page.paper = a.text(QStringLiteral("paper"), page.paper);
            if (!PageSetup::namedPaperSize(page.paper))
                a.fault(QStringLiteral("paper=\"%1\" is not one of: %2")
                            .arg(page.paper, PageSetup::namedPapers().join(QStringLiteral(", "))));
        }
        page.orientation = a.choice(QStringLiteral("orientation"), page.orientation,
                                    {{"portrait", PageOrientation::Portrait}, {"landscape", PageOrientation::Landscape}});
        if (a.has(QStringLiteral("margins"))) {
            const QStringList parts = a.text(QStringLiteral("margins")).split(u' ', Qt::SkipEmptyParts);
            QList<double> values;
            bool valid = parts.size() == 1 || parts.size() == 4;
            for (const QString& part : parts) {
                bool ok = false;
                values.append(part.toDouble(&ok));
                valid = valid && ok && values.back() >= 0;
            }
            if (!valid)
                a.fault(QStringLiteral("margins must be one number or four (left top right bottom), in mm"));
            else if (values.size() == 1)
                page.margins = QMarginsF(values[0], values[0], values[0], values[0]);
            else
                page.margins = QMarginsF(values[0], values[1], values[2], values[3]);
        }
        page.columns = a.whole(QStringLiteral("columns"), page.columns, 1);
        page.columnWidth = a.number(QStringLiteral("columnWidth"), page.columnWidth);
        page.columnGap = a.number(QStringLiteral("columnGap"), page.columnGap);
        page.columnOrder = a.choice(QStringLiteral("fill"), page.columnOrder,
                                    {{"down", FillOrder::DownThenAcross}, {"across", FillOrder::AcrossThenDown}});
        a.finish();
        const QRectF printable = page.printableRectMm();
        if (printable.width() <= 0 || printable.height() <= 0)
            elementFault(QStringLiteral("The margins leave no room on the page"));
        m_xml.skipCurrentElement();
    }

    int readBand(BandType type)
    {
        ReportBand band;
        band.type = type;
        band.sourceLine = int(m_xml.lineNumber());
        band.sourceColumn = int(m_xml.columnNumber());
        Attributes a(m_xml, m_template, m_errors);
        band.name = a.text(QStringLiteral("name"));
        band.height = a.number(QStringLiteral("height"), 0);
        band.visible = a.flag(QStringLiteral("visible"), true);
        band.canGrow = a.flag(QStringLiteral("canGrow"), false);
        band.canShrink = a.flag(QStringLiteral("canShrink"), false);
        band.canSplit = a.flag(QStringLiteral("canSplit"), false);
        if (type == BandType::PageHeader || type == BandType::PageFooter)
            band.printOnFirstPage = a.flag(QStringLiteral("printOnFirstPage"), true);
        if (type == BandType::MasterData) {
            band.dataset = a.text(QStringLiteral("dataset"));
            band.startNewPage = a.flag(QStringLiteral("startNewPage"), false);
        }
        if (type == BandType::GroupHeader) {
            band.condition = a.text(QStringLiteral("condition"));
            if (band.condition.trimmed().isEmpty())
                a.fault(QStringLiteral("needs a condition"));
            band.startNewPage = a.flag(QStringLiteral("startNewPage"), false);
            band.repeatOnNewPage = a.flag(QStringLiteral("repeatOnNewPage"), false);
        }
        a.finish();

        const int index = int(m_template.bands.size());
        m_template.bands.push_back(band);
        int childElement = -1;
        while (m_xml.readNextStartElement()) {
            const QStringView element = m_xml.name();
            if (element == QLatin1String("child")) {
                if (childElement >= 0)
                    elementFault(QStringLiteral("A band has only one <child>"));
                childElement = readBand(BandType::Child);
                m_template.bands[size_t(index)].child = childElement;
            } else if (element == QLatin1String("slots")) {
                readSlotGrid(m_template.bands[size_t(index)].slotGrid);
            } else if (const auto kind = objectKind(element)) {
                m_template.bands[size_t(index)].objects.push_back(readObject(*kind));
            } else {
                unexpected();
            }
        }
        return index;
    }

    void readSlotGrid(SlotGrid& slotGrid)
    {
        Attributes a(m_xml, m_template, m_errors);
        slotGrid.columns = a.whole(QStringLiteral("columns"), 1, 1);
        slotGrid.rows = a.whole(QStringLiteral("rows"), 1, 1);
        slotGrid.pitchX = a.number(QStringLiteral("pitchX"), 0);
        slotGrid.pitchY = a.number(QStringLiteral("pitchY"), 0);
        slotGrid.order = a.choice(QStringLiteral("fill"), FillOrder::AcrossThenDown,
                               {{"across", FillOrder::AcrossThenDown}, {"down", FillOrder::DownThenAcross}});
        a.finish();
        m_xml.skipCurrentElement();
    }

    static std::optional<ObjectKind> objectKind(QStringView element)
    {
        if (element == QLatin1String("text"))
            return ObjectKind::Text;
        if (element == QLatin1String("picture"))
            return ObjectKind::Picture;
        if (element == QLatin1String("line"))
            return ObjectKind::Line;
        if (element == QLatin1String("frame"))
            return ObjectKind::Frame;
        if (element == QLatin1String("gradient"))
            return ObjectKind::Gradient;
        return std::nullopt;
    }

    ReportObject readObject(ObjectKind kind)
    {
        ReportObject o;
        o.kind = kind;
        o.sourceLine = int(m_xml.lineNumber());
        o.sourceColumn = int(m_xml.columnNumber());
        Attributes a(m_xml, m_template, m_errors);
        o.name = a.text(QStringLiteral("name"));
        o.rect = QRectF(a.number(QStringLiteral("left"), 0), a.number(QStringLiteral("top"), 0),
                        a.number(QStringLiteral("width"), 0), a.number(QStringLiteral("height"), 0));
        o.visible = a.flag(QStringLiteral("visible"), true);
        o.stretch = a.choice(QStringLiteral("stretch"), StretchMode::None,
                             {{"none", StretchMode::None}, {"band", StretchMode::ToBand}});
        switch (kind) {
        case ObjectKind::Text: readTextAttributes(a, o); break;
        case ObjectKind::Picture:
            o.file = a.text(QStringLiteral("file"));
            o.keepAspect = a.flag(QStringLiteral("keepAspect"), true);
            o.center = a.flag(QStringLiteral("center"), true);
            break;
        case ObjectKind::Line:
            o.colour = a.colour(QStringLiteral("colour"), o.colour);
            o.lineWidth = a.number(QStringLiteral("lineWidth"), o.lineWidth);
            break;
        case ObjectKind::Frame:
            o.colour = a.colour(QStringLiteral("colour"), o.colour);
            o.fill = a.colour(QStringLiteral("fill"), o.fill);
            o.lineWidth = a.number(QStringLiteral("lineWidth"), o.lineWidth);
            break;
        case ObjectKind::Gradient:
            o.colour = a.colour(QStringLiteral("colour"), o.colour);
            o.endColour = a.colour(QStringLiteral("endColour"), o.endColour);
            o.direction = a.choice(QStringLiteral("direction"), GradientDirection::Vertical,
                                   {{"vertical", GradientDirection::Vertical},
                                    {"horizontal", GradientDirection::Horizontal}});
            break;
        }
        a.finish();
        if (kind == ObjectKind::Text) {
            o.text = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        } else {
            while (m_xml.readNextStartElement())
                unexpected();
        }
        return o;
    }

    static void readTextAttributes(Attributes& a, ReportObject& o)
    {
        o.font.family = a.text(QStringLiteral("font"), o.font.family);
        o.font.size = a.number(QStringLiteral("size"), o.font.size);
        if (o.font.size <= 0)
            a.fault(QStringLiteral("size must be above 0 points"));
        o.font.bold = a.flag(QStringLiteral("bold"), false);
        o.font.italic = a.flag(QStringLiteral("italic"), false);
        o.font.underline = a.flag(QStringLiteral("underline"), false);
        o.font.strikeOut = a.flag(QStringLiteral("strikeOut"), false);
        o.colour = a.colour(QStringLiteral("colour"), o.colour);
        o.fill = a.colour(QStringLiteral("fill"), o.fill);
        o.align = a.choice(QStringLiteral("align"), HAlign::Left,
                           {{"left", HAlign::Left}, {"center", HAlign::Center}, {"right", HAlign::Right}});
        o.valign = a.choice(QStringLiteral("valign"), VAlign::Top,
                            {{"top", VAlign::Top}, {"center", VAlign::Center}, {"bottom", VAlign::Bottom}});
        o.wordWrap = a.flag(QStringLiteral("wordWrap"), true);
        o.canGrow = a.flag(QStringLiteral("canGrow"), false);
        o.canShrink = a.flag(QStringLiteral("canShrink"), false);
        o.format = a.text(QStringLiteral("format"));
        o.padding = a.number(QStringLiteral("padding"), o.padding);
        o.lineWidth = a.number(QStringLiteral("lineWidth"), o.lineWidth);
        o.frameColour = a.colour(QStringLiteral("frameColour"), o.frameColour);
        const QString sides = a.text(QStringLiteral("frame")).trimmed();
        for (const QString& side : sides.split(u' ', Qt::SkipEmptyParts)) {
            if (side == QLatin1String("all"))
                o.frameSides |= sideBits(FrameSide::All);
            else if (side == QLatin1String("left"))
                o.frameSides |= sideBits(FrameSide::Left);
            else if (side == QLatin1String("top"))
                o.frameSides |= sideBits(FrameSide::Top);
            else if (side == QLatin1String("right"))
                o.frameSides |= sideBits(FrameSide::Right);
            else if (side == QLatin1String("bottom"))
                o.frameSides |= sideBits(FrameSide::Bottom);
            else
                a.fault(QStringLiteral("frame=\"%1\": sides are all, left, top, right and bottom").arg(sides));
        }
    }

    QXmlStreamReader m_xml;
    ReportTemplate& m_template;
    QStringList& m_errors;
};

} // namespace

TemplateReader::Result TemplateReader::read(const QByteArray& xml, const QString& sourcePath)
{
    Result result;
    ReportTemplate tmpl;
    tmpl.sourcePath = sourcePath;
    Reader(xml, tmpl, result.errors).run();
    if (result.errors.isEmpty())
        result.errors = tmpl.check();
    if (result.errors.isEmpty())
        result.layout = std::move(tmpl);
    return result;
}

TemplateReader::Result TemplateReader::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Result result;
        result.errors.append(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return result;
    }
    return read(file.readAll(), path);
}

} // namespace kelvora::report
