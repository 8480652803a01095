#include "gui/report/ReportPreview.h"

#include "core/interaction/UserPort.h"
#include "gui/report/PreviewPageView.h"
#include "gui/report/ReportPrinter.h"
#include "gui/report/TemplateEditor.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvora {

namespace {

struct ZoomChoice
{
    const char* text;
    ReportPreview::ZoomMode mode;
    int percent;
};

constexpr ZoomChoice kZoomChoices[] = {
    {"Fit width", ReportPreview::ZoomMode::FitWidth, 100}, {"Fit page", ReportPreview::ZoomMode::FitPage, 100},
    {"50%", ReportPreview::ZoomMode::Percent, 50},         {"75%", ReportPreview::ZoomMode::Percent, 75},
    {"100%", ReportPreview::ZoomMode::Percent, 100},       {"150%", ReportPreview::ZoomMode::Percent, 150},
    {"200%", ReportPreview::ZoomMode::Percent, 200},
};

struct ExportChoice
{
    const char* name;
    const char* text;
    report::ExportFormat format;
};

constexpr ExportChoice kExportChoices[] = {
    {"ExportPdf", "PDF...", report::ExportFormat::Pdf},    {"ExportRtf", "RTF...", report::ExportFormat::Rtf},
    {"ExportHtml", "HTML...", report::ExportFormat::Html}, {"ExportCsv", "CSV...", report::ExportFormat::Csv},
    {"ExportPng", "PNG pictures...", report::ExportFormat::Png},
};

// The skeleton a new template starts from when the report has none yet.
QString newTemplateText(const QString& name)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<report version=\"%1\" name=\"%2\">\n"
                          "  <page paper=\"A4\" margins=\"10\"/>\n</report>\n")
        .arg(report::ReportTemplate::kVersion)
        .arg(name.toHtmlEscaped());
}

} // namespace

ReportPreview::ReportPreview(report::Report& report, UserPort& port, QWidget* parent)
    : QDialog(parent), m_report(report), m_port(port)
{
    setObjectName(QStringLiteral("ReportPreview"));
    setModal(true);
    resize(1000, 800);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("PreviewScroll"));
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_view = new PreviewPageView;
    m_scroll->setWidget(m_view);
    m_scroll->viewport()->installEventFilter(this);
    layout->addWidget(m_scroll, 1);
    showDocument();
}

QAction* ReportPreview::addAction(const QString& name, const QString& text, const QKeySequence& key,
                                  void (ReportPreview::*slot)())
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    if (!key.isEmpty())
        action->setShortcut(key);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    return action;
}

void ReportPreview::buildToolBar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("PreviewToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout()->addWidget(bar);

    QAction* print = addAction(QStringLiteral("PrintAction"), QStringLiteral("Print..."), QKeySequence::Print,
                               &ReportPreview::print);
    bar->addAction(print);
    bar->addAction(addAction(QStringLiteral("PageSetupAction"), QStringLiteral("Page Setup..."), {},
                             &ReportPreview::pageSetup));

    auto* exportMenu = new QMenu(this);
    for (const ExportChoice& choice : kExportChoices) {
        QAction* action = exportMenu->addAction(QString::fromLatin1(choice.text));
        action->setObjectName(QString::fromLatin1(choice.name));
        const report::ExportFormat format = choice.format;
        connect(action, &QAction::triggered, this, [this, format] { exportAs(format); });
    }
    auto* exportButton = new QToolButton(this);
    exportButton->setObjectName(QStringLiteral("ExportBtn"));
    exportButton->setText(QStringLiteral("Export"));
    exportButton->setMenu(exportMenu);
    exportButton->setPopupMode(QToolButton::InstantPopup);
    bar->addWidget(exportButton);
    bar->addAction(addAction(QStringLiteral("EditTemplateAction"), QStringLiteral("Edit Template..."), {},
                             &ReportPreview::editTemplate));
    bar->addSeparator();

    m_zoomCombo = new QComboBox(this);
    m_zoomCombo->setObjectName(QStringLiteral("ZoomCombo"));
    for (const ZoomChoice& choice : kZoomChoices)
        m_zoomCombo->addItem(QString::fromLatin1(choice.text));
    connect(m_zoomCombo, &QComboBox::activated, this, [this](int index) {
        setZoom(kZoomChoices[index].mode, kZoomChoices[index].percent);
    });
    bar->addWidget(m_zoomCombo);
    bar->addSeparator();

    QAction* first = addAction(QStringLiteral("FirstPageAction"), QStringLiteral("|<"), QKeySequence(Qt::CTRL | Qt::Key_Home), nullptr);
    QAction* prior = addAction(QStringLiteral("PriorPageAction"), QStringLiteral("<"), QKeySequence(Qt::Key_PageUp), nullptr);
    QAction* next = addAction(QStringLiteral("NextPageAction"), QStringLiteral(">"), QKeySequence(Qt::Key_PageDown), nullptr);
    QAction* last = addAction(QStringLiteral("LastPageAction"), QStringLiteral(">|"), QKeySequence(Qt::CTRL | Qt::Key_End), nullptr);
    connect(first, &QAction::triggered, this, [this] { goToPage(0); });
    connect(prior, &QAction::triggered, this, [this] { goToPage(m_page - 1); });
    connect(next, &QAction::triggered, this, [this] { goToPage(m_page + 1); });
    connect(last, &QAction::triggered, this, [this] { goToPage(pageCount() - 1); });
    bar->addAction(first);
    bar->addAction(prior);
    m_pageSpin = new QSpinBox(this);
    m_pageSpin->setObjectName(QStringLiteral("PageSpin"));
    connect(m_pageSpin, &QSpinBox::valueChanged, this, [this](int value) {
        if (value - 1 != m_page)
            goToPage(value - 1);
    });
    bar->addWidget(m_pageSpin);
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("PageLabel"));
    bar->addWidget(m_pageLabel);
    bar->addAction(next);
    bar->addAction(last);
    bar->addSeparator();

    m_findEdit = new QLineEdit(this);
    m_findEdit->setObjectName(QStringLiteral("FindEdit"));
    m_findEdit->setPlaceholderText(QStringLiteral("Find"));
    m_findEdit->setClearButtonEnabled(true);
    m_findEdit->setMaximumWidth(180);
    bar->addWidget(m_findEdit);
    QAction* find = addAction(QStringLiteral("FindAction"), QStringLiteral("Find Next"), QKeySequence::FindNext, nullptr);
    connect(find, &QAction::triggered, this, [this] { findNext(m_findEdit->text()); });
    connect(m_findEdit, &QLineEdit::returnPressed, find, &QAction::trigger);
    bar->addAction(find);
    auto* focusFind = new QAction(this);
    focusFind->setShortcut(QKeySequence::Find);
    connect(focusFind, &QAction::triggered, m_findEdit, [this] { m_findEdit->setFocus(); m_findEdit->selectAll(); });
    QDialog::addAction(focusFind);
    m_findStatus = new QLabel(this);
    m_findStatus->setObjectName(QStringLiteral("FindStatus"));
    bar->addWidget(m_findStatus);
    bar->addSeparator();
    QAction* close = addAction(QStringLiteral("CloseAction"), QStringLiteral("Close"), {}, nullptr);
    connect(close, &QAction::triggered, this, &QDialog::accept);
    bar->addAction(close);

    m_needPages = {print, first, prior, next, last, find};
    for (QAction* a : exportMenu->actions())
        m_needPages.append(a);
    for (QAction* a : {first, prior, next, last, find})
        QDialog::addAction(a);
}

bool ReportPreview::preview(report::Report& report, UserPort& port, QWidget* parent)
{
    ReportPreview window(report, port, parent);
    const report::ReportResult result = window.rerun();
    if (!result.ok() && window.pageCount() == 0)
        return false;
    window.exec();
    return true;
}

QString ReportPreview::templateSavePath() const
{
    return m_savePath.isEmpty() ? m_report.templatePath() : m_savePath;
}

report::ReportResult ReportPreview::rerun()
{
    report::ReportResult result;
    {
        BusyCursor busy(m_port);
        result = m_report.prepare();
    }
    if (!result.ok())
        m_port.messageDlg(result.errors.join(QStringLiteral("\r\n")), MsgType::Error, MsgButton::OK);
    showDocument();
    return result;
}

void ReportPreview::showDocument()
{
    const report::ReportDocument& document = m_report.document();
    const QString title = document.title.isEmpty() ? QFileInfo(m_report.templatePath()).completeBaseName()
                                                   : document.title;
    setWindowTitle(title.isEmpty() ? QStringLiteral("Preview") : QStringLiteral("Preview - %1").arg(title));
    m_findText.clear();
    m_matches.clear();
    m_match = -1;
    m_findStatus->clear();
    m_view->setDocument(&document);
    m_page = std::clamp(m_page, 0, std::max(0, pageCount() - 1));
    m_view->setPage(m_page);
    for (QAction* action : m_needPages)
        action->setEnabled(pageCount() > 0);
    updateZoom();
    updateNavigation();
}

int ReportPreview::pageCount() const
{
    return m_report.document().pageCount();
}

void ReportPreview::goToPage(int page)
{
    if (pageCount() == 0)
        return;
    page = std::clamp(page, 0, pageCount() - 1);
    if (page != m_page) {
        m_page = page;
        m_view->setPage(page);
        m_scroll->verticalScrollBar()->setValue(0);
    }
    showMatches();
    updateNavigation();
}

void ReportPreview::updateNavigation()
{
    const int count = pageCount();
    const QSignalBlocker block(m_pageSpin);
    m_pageSpin->setRange(count > 0 ? 1 : 0, count);
    m_pageSpin->setValue(count > 0 ? m_page + 1 : 0);
    m_pageSpin->setEnabled(count > 1);
    m_pageLabel->setText(count > 0 ? QStringLiteral(" of %1 ").arg(count) : QStringLiteral(" No pages "));
    const bool hasPages = count > 0;
    for (const char* name : {"FirstPageAction", "PriorPageAction"})
        findChild<QAction*>(QLatin1String(name))->setEnabled(hasPages && m_page > 0);
    for (const char* name : {"NextPageAction", "LastPageAction"})
        findChild<QAction*>(QLatin1String(name))->setEnabled(hasPages && m_page < count - 1);
}

void ReportPreview::setZoom(ZoomMode mode, int percent)
{
    m_zoomMode = mode;
    m_percent = std::clamp(percent, 10, 800);
    for (int i = 0; i < int(std::size(kZoomChoices)); ++i) {
        if (kZoomChoices[i].mode == mode && (mode != ZoomMode::Percent || kZoomChoices[i].percent == m_percent))
            m_zoomCombo->setCurrentIndex(i);
    }
    updateZoom();
}

double ReportPreview::zoomFactor() const
{
    return m_view->zoom();
}

void ReportPreview::updateZoom()
{
    const QSizeF sheet = m_view->sheetPixels();
    const QSize room = m_scroll->viewport()->size() - QSize(2 * PreviewPageView::kDeskMargin, 2 * PreviewPageView::kDeskMargin);
    double zoom = m_percent / 100.0;
    if (m_zoomMode == ZoomMode::FitWidth && sheet.width() > 0)
        zoom = room.width() / sheet.width();
    else if (m_zoomMode == ZoomMode::FitPage && sheet.width() > 0 && sheet.height() > 0)
        zoom = std::min(room.width() / sheet.width(), room.height() / sheet.height());
    m_view->setZoom(zoom);
}

bool ReportPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize && m_zoomMode != ZoomMode::Percent)
        updateZoom();
    return QDialog::eventFilter(watched, event);
}

int ReportPreview::findNext(const QString& text)
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty()) {
        m_matches.clear();
        m_match = -1;
        m_findStatus->clear();
        showMatches();
        return 0;
    }
    if (wanted != m_findText) {
        m_findText = wanted;
        m_matches.clear();
        const report::ReportDocument& document = m_report.document();
        for (int p = 0; p < document.pageCount(); ++p) {
            for (const report::DisplayItem& item : document.pages[size_t(p)].items) {
                if (item.kind != report::ItemKind::Text)
                    continue;
                const double lineHeight = document.textStyles[size_t(item.style)].lineHeight;
                for (int i = 0; i < item.lineCount(); ++i) {
                    if (item.line(i).contains(wanted, Qt::CaseInsensitive))
                        m_matches.push_back({p, QRectF(item.rect.left(), item.rect.top() + i * lineHeight,
                                                       item.rect.width(), lineHeight)});
                }
            }
        }
        // Start at the first match on or after the page shown.
        m_match = -1;
        for (size_t i = 0; i < m_matches.size() && m_match < 0; ++i) {
            if (m_matches[i].page >= m_page)
                m_match = int(i);
        }
        if (m_match < 0 && !m_matches.empty())
            m_match = 0;
    } else if (!m_matches.empty()) {
        m_match = (m_match + 1) % int(m_matches.size());
    }
    if (m_matches.empty()) {
        m_findStatus->setText(QStringLiteral(" Not found "));
        showMatches();
        return 0;
    }
    m_findStatus->setText(QStringLiteral(" %1 of %2 ").arg(m_match + 1).arg(m_matches.size()));
    goToPage(m_matches[size_t(m_match)].page);
    const QRectF& rect = m_matches[size_t(m_match)].rect;
    const double pixelsPerMm = m_view->logicalDpiY() / 25.4 * m_view->zoom();
    m_scroll->ensureVisible(int(rect.center().x() * pixelsPerMm) + PreviewPageView::kDeskMargin,
                            int(rect.center().y() * pixelsPerMm) + PreviewPageView::kDeskMargin, 50, 80);
    return int(m_matches.size());
}

void ReportPreview::showMatches()
{
    std::vector<QRectF> rects;
    int current = -1;
    for (size_t i = 0; i < m_matches.size(); ++i) {
        if (m_matches[i].page != m_page)
            continue;
        if (int(i) == m_match)
            current = int(rects.size());
        rects.push_back(m_matches[i].rect);
    }
    m_view->setHighlights(std::move(rects), current);
}

void ReportPreview::applyPageLayout(const QPageLayout& layout)
{
    report::PageSetup page = m_report.pageSetup();
    const QPageSize size = layout.pageSize();
    page.paper.clear();
    for (const QString& name : report::PageSetup::namedPapers()) {
        const auto named = report::PageSetup::namedPaperSize(name);
        if (named && QPageSize(*named, QPageSize::Millimeter).id() == size.id() && size.id() != QPageSize::Custom)
            page.paper = name;
    }
    if (page.paper.isEmpty())
        page.customSize = size.size(QPageSize::Millimeter);
    page.orientation = layout.orientation() == QPageLayout::Landscape ? report::PageOrientation::Landscape
                                                                       : report::PageOrientation::Portrait;
    page.margins = layout.margins(QPageLayout::Millimeter);
    m_report.setPageSetup(page);
    rerun();
}

void ReportPreview::pageSetup()
{
    QPrinter printer(QPrinter::HighResolution);
    ReportPrinter::setUpPrinter(printer, m_report.document());
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(m_report.pageSetup().margins);
    printer.setPageLayout(layout);
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        applyPageLayout(printer.pageLayout());
}

void ReportPreview::print()
{
    if (pageCount() == 0)
        return;
    QPrinter printer(QPrinter::HighResolution);
    ReportPrinter::setUpPrinter(printer, m_report.document());
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, true);
    dialog.setMinMax(1, pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    int from = printer.fromPage();
    int to = printer.toPage();
    if (printer.printRange() == QPrinter::CurrentPage)
        from = to = m_page + 1;
    BusyCursor busy(m_port);
    if (!ReportPrinter::print(printer, m_report.document(), from, to))
        m_port.messageDlg(QStringLiteral("The report could not be printed."), MsgType::Error, MsgButton::OK);
}

bool ReportPreview::exportAs(report::ExportFormat format)
{
    const QString suffix = report::ReportExporter::suffix(format);
    const QFileInfo source(m_report.templatePath());
    QString path = m_port.chooseSaveFile(QStringLiteral("Export to %1").arg(suffix.toUpper()), source.absolutePath(),
                                         report::ReportExporter::fileFilter(format));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    QString error;
    bool written = false;
    {
        BusyCursor busy(m_port);
        written = report::ReportExporter::write(m_report.document(), format, path, &error);
    }
    if (!written)
        m_port.messageDlg(error, MsgType::Error, MsgButton::OK);
    return written;
}

void ReportPreview::editTemplate()
{
    const QString savePath = templateSavePath();
    if (savePath.isEmpty())
        return;
    // The layout shown came from templatePath(); an edited copy saved elsewhere starts from it.
    QString text;
    QFile current(QFileInfo::exists(savePath) ? savePath : m_report.templatePath());
    if (current.open(QIODevice::ReadOnly))
        text = QString::fromUtf8(current.readAll());
    else
        text = newTemplateText(QFileInfo(savePath).completeBaseName());
    TemplateEditor editor(text, savePath, this);
    if (editor.exec() != QDialog::Accepted)
        return;
    m_report.load(savePath);
    rerun();
}

} // namespace kelvora
