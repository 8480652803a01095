#include "gui/dialogs/charts/ChartWindow.h"

#include "core/interaction/UserPort.h"
#include "core/ledger/LedgerModel.h"
#include "core/settings/ColourScheme.h"
#include "core/settings/Settings.h"
#include "gui/dialogs/charts/TGraphForm.h"
#include "gui/dialogs/charts/TGraphForm2.h"
#include "gui/widgets/ColourAdapter.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/HandlerGuard.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

namespace kelvora {

void ChartWindow::open(LedgerModel& page, ChartStyle style, HandlerGuard& guard, QWidget* parent)
{
    guard.run([&] {
        const FieldChart data = FieldChart::open(page, style);
        const ColourScheme scheme = ColourScheme::fromSettings(page.context().settings);
        const QColor grad1 = toQColor(scheme.bandStart);
        const QColor grad2 = toQColor(scheme.bandEnd);
        if (style == ChartStyle::Pie) {
            TGraphForm form(data, guard, grad1, grad2, parent);
            form.exec();
        } else {
            TGraphForm2 form(data, guard, grad1, grad2, parent);
            form.exec();
        }
    });
}

ChartWindow::ChartWindow(FieldChart data, HandlerGuard& guard, const QColor& grad1, const QColor& grad2,
                         QWidget* parent)
    : QDialog(parent), m_data(std::move(data)), m_guard(guard)
{
    setObjectName(m_data.window);
    setWindowTitle(m_data.caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    resize(1008, 729);
    QFont plain(QStringLiteral("Tahoma"));
    plain.setPixelSize(13);
    setFont(plain);

    HeadPanel = new GradientPanel(this);
    HeadPanel->setObjectName(QStringLiteral("HeadPanel"));
    HeadPanel->setColours(grad1, grad2);
    auto* head = new QHBoxLayout(HeadPanel);
    head->setContentsMargins(6, 4, 6, 4);
    const auto button = [&](const char* name, const char* caption, const QString& hint) {
        auto* b = new GradientButton(QString::fromLatin1(caption), HeadPanel);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(hint);
        b->setStatusTip(hint);
        b->setColours(grad2, grad1);
        b->setMinimumSize(64, 26);
        head->addWidget(b);
        return b;
    };
    PrintBtn = button("PrintBtn", "Print", m_data.printHint);
    SaveBtn = button("SaveBtn", "Save", QStringLiteral("Save the graph as a PNG picture or a PDF document"));
    head->addStretch();
    connect(PrintBtn, &QPushButton::clicked, this, [this] { m_guard.run([this] { PrintBtnClick(); }); });
    connect(SaveBtn, &QPushButton::clicked, this, [this] { m_guard.run([this] { SaveBtnClick(); }); });

    m_chart = new QChart;
    m_chart->setTitle(m_data.title);
    QFont titleFont = plain;
    titleFont.setPixelSize(20);
    titleFont.setBold(true);
    m_chart->setTitleFont(titleFont);
    m_chart->legend()->hide();
    m_chart->setAnimationOptions(QChart::NoAnimation);
    ChartView = new QChartView(m_chart, this);
    ChartView->setObjectName(QStringLiteral("Chart1"));
    ChartView->setRenderHint(QPainter::Antialiasing);
    ChartView->setRubberBand(QChartView::NoRubberBand);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(HeadPanel);
    layout->addWidget(ChartView, 1);
}

void ChartWindow::finish()
{
    buildChart(*m_chart);
}

void ChartWindow::paintOn(QPagedPaintDevice& device)
{
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect page = painter.viewport();
    // Keep the window's proportions, centred on the page.
    QSize size = ChartView->size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.x() + (page.width() - size.width()) / 2, page.y() + (page.height() - size.height()) / 2,
                       size.width(), size.height());
    ChartView->render(&painter, target);
}

bool ChartWindow::saveTo(const QString& path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0) {
        QPdfWriter pdf(path);
        if (!pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                           QPageLayout::Millimeter)))
            return false;
        pdf.setResolution(300);
        pdf.setTitle(m_data.title);
        paintOn(pdf);
        return QFileInfo(path).size() > 0;
    }
    return ChartView->grab().save(path, "PNG");
}

void ChartWindow::SaveBtnClick()
{
    UserPort& port = m_guard.port();
    QString path = port.chooseSaveFile(QStringLiteral("Save Graph"), QDir::homePath(),
                                       QStringLiteral("PNG picture (*.png);;PDF document (*.pdf)"));
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("pdf"))
        path += QStringLiteral(".png");
    if (!saveTo(path))
        port.messageDlg(QStringLiteral("The graph could not be saved as %1.").arg(QDir::toNativeSeparators(path)),
                        MsgType::Error, MsgButton::OK);
}

void ChartWindow::PrintBtnClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(m_data.title);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    paintOn(printer);
}

} // namespace kelvora
