#include "report/Report.h"

#include "report/BandRenderer.h"
#include "report/LayoutEngine.h"
#include "report/ReportInstance.h"
#include "report/RunScope.h"
#include "report/TemplateReader.h"
#include "report/TextMeasurer.h"

#include <QDir>
#include <QFileInfo>

namespace kelvora::report {

Report::Report() = default;
Report::~Report() = default;

void Report::clear()
{
    m_layout.reset();
    m_instance.reset();
    m_path.clear();
    m_loadErrors.clear();
    m_missing.clear();
    m_page.reset();
    m_document = ReportDocument();
}

bool Report::adopt(std::optional<ReportTemplate> layout, const QStringList& errors)
{
    m_loadErrors = errors;
    if (!layout)
        return false;
    m_layout = std::move(layout);
    m_instance = std::make_unique<ReportInstance>(*m_layout);
    return true;
}

bool Report::load(const QString& path)
{
    clear();
    m_path = path;
    if (!QFileInfo::exists(path))
        return true;
    TemplateReader::Result read = TemplateReader::readFile(path);
    return adopt(std::move(read.layout), read.errors);
}

bool Report::loadText(const QByteArray& xml, const QString& sourceName)
{
    clear();
    m_path = sourceName;
    TemplateReader::Result read = TemplateReader::read(xml, sourceName);
    return adopt(std::move(read.layout), read.errors);
}

void Report::setDataset(const QString& name, const ReportDataset* dataset)
{
    if (dataset)
        m_datasets.insert(name, dataset);
    else
        m_datasets.remove(name);
}

PageSetup Report::pageSetup() const
{
    if (m_page)
        return *m_page;
    return m_layout ? m_layout->page : PageSetup();
}

void Report::noteMissing(const QString& name)
{
    // Without a layout (a missing template) the report prints nothing, and asking
    // for its objects is no fault.
    if (m_layout && !m_missing.contains(name))
        m_missing.append(name);
}

QString Report::resolvePicture(const QString& file) const
{
    if (QFileInfo(file).isAbsolute())
        return file;
    const QString folder = !m_pictureFolder.isEmpty() ? m_pictureFolder
        : !m_path.isEmpty()                           ? QFileInfo(m_path).absolutePath()
                                                      : QDir::currentPath();
    return QDir(folder).filePath(file);
}

QImage Report::loadPicture(const QString& file)
{
    const QString path = resolvePicture(file);
    const auto it = m_pictures.constFind(path);
    if (it != m_pictures.constEnd())
        return it.value();
    QImage image(path);
    if (image.isNull())
        m_warnings.append(QStringLiteral("The picture \"%1\" could not be read; its place is left empty").arg(path));
    m_pictures.insert(path, image);
    return image;
}

bool Report::setText(const QString& object, const QString& text)
{
    InstanceObject* o = m_instance ? m_instance->object(object) : nullptr;
    if (!o || o->proto->kind != ObjectKind::Text) {
        noteMissing(object);
        return false;
    }
    o->text = text;
    return true;
}

bool Report::setVisible(const QString& name, bool visible)
{
    if (!m_instance) {
        noteMissing(name);
        return false;
    }
    if (InstanceObject* o = m_instance->object(name)) {
        o->visible = visible;
        return true;
    }
    const int band = m_instance->band(name);
    if (band < 0) {
        noteMissing(name);
        return false;
    }
    m_instance->bands[size_t(band)].visible = visible;
    return true;
}

bool Report::setPicture(const QString& object, const QString& filePath)
{
    InstanceObject* o = m_instance ? m_instance->object(object) : nullptr;
    if (!o || o->proto->kind != ObjectKind::Picture) {
        noteMissing(object);
        return false;
    }
    o->pictureSet = true;
    o->picture = loadPicture(filePath);
    return true;
}

bool Report::setPictureData(const QString& object, const QByteArray& encodedImage)
{
    InstanceObject* o = m_instance ? m_instance->object(object) : nullptr;
    if (!o || o->proto->kind != ObjectKind::Picture) {
        noteMissing(object);
        return false;
    }
    o->pictureSet = true;
    o->picture = QImage::fromData(encodedImage);
    if (o->picture.isNull() && !encodedImage.isEmpty())
        m_warnings.append(QStringLiteral("The picture given for \"%1\" could not be read; its place is left empty")
                              .arg(object));
    return true;
}

bool Report::setFont(const QString& object, const FontSpec& font, const QColor& colour)
{
    InstanceObject* o = m_instance ? m_instance->object(object) : nullptr;
    if (!o || o->proto->kind != ObjectKind::Text) {
        noteMissing(object);
        return false;
    }
    if (o->font == font && o->colour == colour)
        return true;
    o->font = font;
    o->colour = colour;
    o->textStyle = -1;
    return true;
}

QVariant Report::value(const QString& dataset, const QString& field) const
{
    const ReportDataset* data = m_datasets.value(dataset);
    if (!data) {
        for (auto it = m_datasets.constBegin(); it != m_datasets.constEnd(); ++it) {
            if (it.key().compare(dataset, Qt::CaseInsensitive) == 0)
                data = it.value();
        }
    }
    if (!data)
        return {};
    const int r = row(dataset);
    const int f = data->fieldIndex(field);
    return f >= 0 && r >= 0 && r < data->rowCount() ? data->value(r, f) : QVariant();
}

int Report::row(const QString& dataset) const
{
    if (m_scope) {
        const int source = m_scope->source(dataset);
        return source < 0 ? -1 : m_scope->row(source);
    }
    for (auto it = m_datasets.constBegin(); it != m_datasets.constEnd(); ++it) {
        if (it.key().compare(dataset, Qt::CaseInsensitive) == 0)
            return 0;
    }
    return -1;
}

ReportResult Report::prepare()
{
    ReportResult result;
    m_document = ReportDocument();
    m_warnings.clear();
    m_pictures.clear();
    if (!m_layout) {
        result.errors = m_loadErrors;
        return result;
    }
    m_document.title = m_layout->name;
    m_document.page = pageSetup();
    for (InstanceBand& band : m_instance->bands) {
        for (InstanceObject& object : band.objects)
            object.textStyle = object.shapeStyle = -1;
    }
    const QDateTime now = m_clock.isValid() ? m_clock : QDateTime::currentDateTime();
    RunScope scope(*m_layout, m_datasets, m_regional, now);
    const QStringList bindFaults = scope.bind();
    if (!bindFaults.isEmpty()) {
        result.errors = bindFaults;
        return result;
    }
    m_scope = &scope;
    m_bandName.clear();
    if (m_beforePrint)
        m_beforePrint(*this);

    TextMeasurer measurer;
    BandRenderer renderer(*m_layout, *m_instance, m_document, measurer, scope,
                          [this](const QString& file) { return loadPicture(file); });
    auto beforeBand = [this](int band) {
        if (!m_beforePrint)
            return;
        m_bandName = m_layout->bands[size_t(band)].name;
        m_beforePrint(*this);
    };
    LayoutEngine engine(*m_layout, *m_instance, scope, renderer, m_document, beforeBand, m_warnings);
    engine.run();
    m_scope = nullptr;
    m_bandName.clear();

    result.missingNames = m_missing;
    for (const QString& name : m_missing)
        result.errors.append(QStringLiteral("The layout %1 has no object or band named \"%2\"")
                                 .arg(m_path.isEmpty() ? QStringLiteral("of this report")
                                                       : QFileInfo(m_path).fileName(),
                                      name));
    result.warnings = m_warnings;
    return result;
}

} // namespace kelvora::report
