#pragma once

#include "core/format/Regional.h"
#include "report/PageSetup.h"
#include "report/ReportDataset.h"
#include "report/ReportDocument.h"
#include "report/ReportFill.h"
#include "report/ReportTemplate.h"

#include <QDateTime>
#include <QImage>
#include <QHash>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace kelvora::report {

class ReportInstance;

struct ReportResult
{
    // Faults that stopped the run (no pages then), and names the program asked for
    // that the layout lacks (the pages are still there, without those fill-ins).
    QStringList errors;
    QStringList missingNames;
    // Things that printed differently from the layout: a picture that could not be
    // read, a page the header and footer filled.
    QStringList warnings;

    bool ok() const { return errors.isEmpty(); }
};

// One report of the program: its layout read from a template file, the datasets it
// prints, the program's before-print step and the prepared pages.
//
//   Report report;
//   report.load(templatePath);                 // a missing file: an empty report
//   report.setDataset("ExpDataset1", &rows);   // two names may share one dataset
//   report.setBeforePrint([&](ReportFill& f) { f.setText("Info", line); });
//   ReportResult result = report.prepare();    // pages in report.document()
//
// The before-print step runs once before the first band and again before every band
// is printed, so it can fill objects from the record being printed. Anything set on
// the report directly (setText() ...) between load() and prepare() holds too, until
// the next load().
class Report : public ReportFill
{
public:
    Report();
    ~Report() override;
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // Clears the layout, then reads the template. A missing file is no fault: the
    // report has no layout and prepares to no pages. A file that cannot be read or has
    // faults gives false, loadErrors() says why, and the report has no layout either.
    bool load(const QString& path);
    bool loadText(const QByteArray& xml, const QString& sourceName = QString());
    void clear();

    bool hasLayout() const { return m_layout.has_value(); }
    const ReportTemplate* layout() const { return m_layout ? &*m_layout : nullptr; }
    const QString& templatePath() const { return m_path; }
    const QStringList& loadErrors() const { return m_loadErrors; }

    void setDataset(const QString& name, const ReportDataset* dataset);
    void setBeforePrint(std::function<void(ReportFill&)> step) { m_beforePrint = std::move(step); }
    void setRegional(const Regional& regional) { m_regional = regional; }
    // The moment [Date] and [Now] show; by default the time each run starts.
    void setClock(const QDateTime& moment) { m_clock = moment; }
    // Where picture files named without a folder are found; by default the template's folder.
    void setPictureFolder(const QString& folder) { m_pictureFolder = folder; }
    // Another page for the following runs (the preview's page setup); the template keeps its own.
    void setPageSetup(const PageSetup& page) { m_page = page; }
    PageSetup pageSetup() const;

    ReportResult prepare();
    const ReportDocument& document() const { return m_document; }

    bool setText(const QString& object, const QString& text) override;
    bool setVisible(const QString& name, bool visible) override;
    bool setPicture(const QString& object, const QString& filePath) override;
    bool setPictureData(const QString& object, const QByteArray& encodedImage) override;
    bool setFont(const QString& object, const FontSpec& font, const QColor& colour) override;
    QString bandName() const override { return m_bandName; }
    QVariant value(const QString& dataset, const QString& field) const override;
    int row(const QString& dataset) const override;

private:
    bool adopt(std::optional<ReportTemplate> layout, const QStringList& errors);
    void resetInstance();
    void noteMissing(const QString& name);
    QImage loadPicture(const QString& file);
    QString resolvePicture(const QString& file) const;

    std::optional<ReportTemplate> m_layout;
    std::unique_ptr<ReportInstance> m_instance;
    QString m_path;
    QStringList m_loadErrors;
    QHash<QString, const ReportDataset*> m_datasets;
    std::function<void(ReportFill&)> m_beforePrint;
    Regional m_regional = Regional::australian();
    QDateTime m_clock;
    QString m_pictureFolder;
    std::optional<PageSetup> m_page;
    ReportDocument m_document;

    // During a run.
    const class RunScope* m_scope = nullptr;
    QString m_bandName;
    QStringList m_missing;
    QStringList m_warnings;
    QHash<QString, QImage> m_pictures;
};

} // namespace kelvora::report
