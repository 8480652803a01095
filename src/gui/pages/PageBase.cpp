#include "gui/pages/PageBase.h"

#include "core/pages/PageColumns.h"
#include "core/pages/PageModel.h"
#include "core/settings/ColourScheme.h"
#include "gui/pages/PageGrid.h"
#include "gui/widgets/ClickHook.h"
#include "gui/widgets/ColourAdapter.h"
#include "gui/widgets/DataMemo.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/HandlerGuard.h"

#include <QApplication>
#include <QHeaderView>
#include <QPointer>

namespace kelvora {

namespace {
const char* const kGridHint = "Enter moves to the next column; Shift+Enter back. Ctrl+Delete deletes the record.";

bool isInside(const QWidget* widget, const QWidget* container)
{
    return widget && (widget == container || container->isAncestorOf(widget));
}
} // namespace

PageBase::PageBase(PageId id, HandlerGuard& guard, QWidget* parent) : QWidget(parent), m_guard(guard), m_id(id) {}

PageBase::~PageBase()
{
    for (const QMetaObject::Connection& watch : std::as_const(m_exitWatches))
        disconnect(watch);
}

QFont PageBase::plainFont() const
{
    QFont plain = font();
    plain.setBold(false);
    return plain;
}

GradientPanel* PageBase::makeBand(const QString& name, const QString& caption, QWidget* parent)
{
    auto* band = new GradientPanel(parent);
    band->setObjectName(name);
    band->setCaption(caption);
    band->setMinimumHeight(34);
    band->setMaximumHeight(40);
    QFont f = band->font();
    f.setBold(true);
    f.setPixelSize(15);
    band->setFont(f);
    m_bands.append(band);
    return band;
}

GradientPanel* PageBase::makeHeadBand(const QString& name, const QString& caption, QWidget* parent)
{
    GradientPanel* band = makeBand(name, caption, parent);
    band->setStatusTip(QStringLiteral("Click to go to the Diary"));
    connect(band, &GradientPanel::clicked, this, &PageBase::diaryRequested);
    return band;
}

PageGrid* PageBase::makeGrid(PageModel& model, const QString& name)
{
    auto* grid = new PageGrid(model, m_guard, this);
    grid->setObjectName(name);
    grid->setStatusTip(QString::fromLatin1(kGridHint));
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, [this, grid](const QPoint& pos) {
        emit popupRequested(grid, grid->viewport()->mapToGlobal(pos));
    });
    m_grids.append(grid);
    postOnExit(grid, model);
    return grid;
}

void PageBase::postOnExit(QWidget* control, PageModel& model)
{
    QPointer<QWidget> watched(control);
    const auto left = [this, watched, &model](QWidget* old, QWidget* now) {
        if (!watched || !isInside(old, watched) || isInside(now, watched))
            return;
        if (auto* grid = qobject_cast<PageGrid*>(watched.data()))
            grid->commitOpenEditor();
        m_guard.run([&model] { model.postPending(); });
    };
    m_exitWatches << connect(qApp, &QApplication::focusChanged, control, left);
}

void PageBase::stampOnDoubleClick(DataMemo* memo, PageModel& model, NoteBox box)
{
    ClickHook::onDoubleClick(memo, [this, memo, &model, box] {
        m_guard.run([&] { model.stampNotes(box, memo->field()); });
        memo->moveCursor(QTextCursor::End);
    });
}

void PageBase::applyColourScheme(const ColourScheme& scheme)
{
    const QColor start = toQColor(scheme.bandStart);
    const QColor end = toQColor(scheme.bandEnd);
    const QColor input = toQColor(scheme.input);
    for (GradientPanel* band : std::as_const(m_bands))
        band->setColours(start, end);
    for (GradientButton* button : std::as_const(m_buttons))
        button->setColours(start, end);
    ViewTableModel::Colours colours;
    colours.column = input;
    colours.oddRecord = toQColor(scheme.oddRow);
    colours.highlight = toQColor(scheme.highlight);
    for (PageGrid* grid : std::as_const(m_grids))
        grid->setColours(colours);
    for (QWidget* box : std::as_const(m_colouredBoxes)) {
        QPalette p = box->palette();
        p.setColor(QPalette::Base, input);
        p.setColor(QPalette::Text, Qt::black);
        box->setPalette(p);
    }
}

void PageBase::commitOpenEditors()
{
    for (PageGrid* grid : std::as_const(m_grids))
        grid->commitOpenEditor();
}

void PageBase::scaleWidths(int newWidth, int referenceWidth)
{
    for (PageGrid* grid : std::as_const(m_grids)) {
        QHeaderView* header = grid->horizontalHeader();
        for (int c = 0; c < header->count(); ++c)
            header->resizeSection(c, pagecolumns::scaledWidth(header->sectionSize(c), newWidth, referenceWidth));
    }
}

} // namespace kelvora
