#pragma once

#include "report/Report.h"
#include "report/export/ReportExporter.h"

#include <QDialog>
#include <QRectF>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPageLayout;
class QScrollArea;
class QSpinBox;

namespace kelvora {

class PreviewPageView;
class UserPort;

// The modal preview of a prepared report: its pages, zoom (fit width, fit page or a
// percentage), page navigation, find, print with a page range, page setup (the report
// is laid out again on the new paper), export to PDF, HTML, CSV, RTF and PNG, and
// "Edit template", after which the report runs again from the saved file.
class ReportPreview : public QDialog
{
    Q_OBJECT
public:
    enum class ZoomMode { FitWidth, FitPage, Percent };

    ReportPreview(report::Report& report, UserPort& port, QWidget* parent = nullptr);

    // Prepares the report and shows it, modal. When the run fails (faults in the template
    // or its data) the faults are shown and no preview opens: false. A report without a
    // template opens as an empty preview, as it prints nothing.
    static bool preview(report::Report& report, UserPort& port, QWidget* parent = nullptr);

    // Where "Edit template" saves; by default the file the report was read from.
    void setTemplateSavePath(const QString& path) { m_savePath = path; }
    QString templateSavePath() const;

    // Prepares the report again and shows the new pages; the faults go to the user.
    report::ReportResult rerun();

    int pageCount() const;
    int currentPage() const { return m_page; } // from 0
    void goToPage(int page);

    void setZoom(ZoomMode mode, int percent = 100);
    ZoomMode zoomMode() const { return m_zoomMode; }
    double zoomFactor() const;

    // Moves to the next match of `text` (letter case ignored), starting again at the
    // first after the last; the number of matches in the report.
    int findNext(const QString& text);
    int currentMatch() const { return m_match; }

    // The new paper from a page setup: the report is laid out again on it.
    void applyPageLayout(const QPageLayout& layout);

    // Asks for a file and exports; false when cancelled or the file could not be written.
    bool exportAs(report::ExportFormat format);
    void editTemplate();
    void print();
    void pageSetup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Match
    {
        int page;
        QRectF rect;
    };

    void buildToolBar();
    QAction* addAction(const QString& name, const QString& text, const QKeySequence& key, void (ReportPreview::*slot)());
    void showDocument();
    void updateZoom();
    void updateNavigation();
    void showMatches();

    report::Report& m_report;
    UserPort& m_port;
    QString m_savePath;
    PreviewPageView* m_view = nullptr;
    QScrollArea* m_scroll = nullptr;
    QSpinBox* m_pageSpin = nullptr;
    QLabel* m_pageLabel = nullptr;
    QComboBox* m_zoomCombo = nullptr;
    QLineEdit* m_findEdit = nullptr;
    QLabel* m_findStatus = nullptr;
    QList<QAction*> m_needPages;
    int m_page = 0;
    ZoomMode m_zoomMode = ZoomMode::FitWidth;
    int m_percent = 100;
    QString m_findText;
    std::vector<Match> m_matches;
    int m_match = -1;
};

} // namespace kelvora
