#include "gui/widgets/RecordNavigator.h"

#include "core/store/View.h"
#include "gui/widgets/HandlerGuard.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/RecordDeletion.h"

#include <QHBoxLayout>
#include <QMetaEnum>
#include <QPainter>
#include <QPolygonF>
#include <QToolButton>

namespace kelvora {

namespace {

using Button = RecordNavigator::Button;

constexpr Button kOrder[] = {Button::First, Button::Prior, Button::Next,   Button::Last, Button::Insert,
                             Button::Delete, Button::Edit, Button::Post, Button::Cancel, Button::Refresh};

QString hintFor(Button which)
{
    switch (which) {
    case Button::First: return RecordNavigator::tr("First record");
    case Button::Prior: return RecordNavigator::tr("Prior record");
    case Button::Next: return RecordNavigator::tr("Next record");
    case Button::Last: return RecordNavigator::tr("Last record");
    case Button::Insert: return RecordNavigator::tr("Insert record");
    case Button::Delete: return RecordNavigator::tr("Delete record");
    case Button::Edit: return RecordNavigator::tr("Edit record");
    case Button::Post: return RecordNavigator::tr("Post edit");
    case Button::Cancel: return RecordNavigator::tr("Cancel edit");
    case Button::Refresh: return RecordNavigator::tr("Refresh data");
    }
    return {};
}

QPolygonF triangle(bool pointsRight, qreal left, qreal width)
{
    const qreal tip = pointsRight ? left + width : left;
    const qreal base = pointsRight ? left : left + width;
    return QPolygonF({QPointF(base, 3), QPointF(tip, 8), QPointF(base, 13)});
}

// The glyphs are drawn rather than loaded, so they stay sharp at any scale and
// need no files beside the program.
void drawGlyph(QPainter& p, Button which, const QColor& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const QPen stroke(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (which) {
    case Button::First:
        p.drawRect(QRectF(3, 3, 2, 10));
        p.drawPolygon(triangle(false, 6, 7));
        break;
    case Button::Prior: p.drawPolygon(triangle(false, 4.5, 7)); break;
    case Button::Next: p.drawPolygon(triangle(true, 4.5, 7)); break;
    case Button::Last:
        p.drawPolygon(triangle(true, 3, 7));
        p.drawRect(QRectF(11, 3, 2, 10));
        break;
    case Button::Insert:
        p.drawRect(QRectF(7, 3, 2, 10));
        p.drawRect(QRectF(3, 7, 10, 2));
        break;
    case Button::Delete: p.drawRect(QRectF(3, 7, 10, 2)); break;
    case Button::Edit: p.drawPolygon(QPolygonF({QPointF(3, 12), QPointF(8, 4), QPointF(13, 12)})); break;
    case Button::Post:
        p.setPen(stroke);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
        break;
    case Button::Cancel:
        p.setPen(stroke);
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case Button::Refresh: {
        p.setPen(stroke);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3, 3, 10, 10), 100 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPolygon(QPolygonF({QPointF(8, 0.5), QPointF(12, 3.2), QPointF(8, 6)}));
        break;
    }
    }
}

QIcon glyphIcon(Button which)
{
    QIcon icon;
    const struct
    {
        QIcon::Mode mode;
        QColor ink;
    } looks[] = {{QIcon::Normal, QColor(0x2e, 0x3a, 0x4a)}, {QIcon::Disabled, QColor(0xa8, 0xae, 0xb6)}};
    for (const auto& look : looks) {
        QPixmap pixmap(32, 32);
        pixmap.setDevicePixelRatio(2.0);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        drawGlyph(painter, which, look.ink);
        painter.end();
        icon.addPixmap(pixmap, look.mode);
    }
    return icon;
}

} // namespace

RecordNavigator::RecordNavigator(View& view, HandlerGuard& guard, QWidget* parent)
    : QWidget(parent), m_view(view), m_guard(guard)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    const QMetaEnum names = QMetaEnum::fromType<Button>();
    for (Button which : kOrder) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(names.valueToKey(int(which))));
        b->setIcon(glyphIcon(which));
        b->setIconSize(QSize(16, 16));
        b->setToolTip(hintFor(which));
        b->setStatusTip(hintFor(which));
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::NoFocus); // the grid keeps the focus while the user navigates
        connect(b, &QToolButton::clicked, this, [this, which] { perform(which); });
        row->addWidget(b);
        m_buttons.insert(which, b);
    }
    row->addStretch(1);

    connect(&m_view, &View::reset, this, &RecordNavigator::updateButtons);
    connect(&m_view, &View::rowInserted, this, &RecordNavigator::updateButtons);
    connect(&m_view, &View::rowRemoved, this, &RecordNavigator::updateButtons);
    connect(&m_view, &View::currentChanged, this, &RecordNavigator::updateButtons);
    connect(&m_view, &View::stateChanged, this, &RecordNavigator::updateButtons);
    updateButtons();
}

void RecordNavigator::setVisibleButtons(Buttons buttons)
{
    m_visible = buttons;
    for (Button which : kOrder)
        m_buttons.value(which)->setVisible(buttons.testFlag(which));
}

void RecordNavigator::updateButtons()
{
    const bool editing = m_view.state() != View::State::Browse;
    const bool empty = m_view.isEmpty();
    const int row = m_view.currentRow();
    const bool up = !empty && row > 0;
    const bool down = !empty && row >= 0 && row < m_view.rowCount() - 1;
    const QHash<Button, bool> enabled{
        {Button::First, up},          {Button::Prior, up},         {Button::Next, down},
        {Button::Last, down},         {Button::Insert, true},      {Button::Delete, !empty && row >= 0},
        {Button::Edit, !editing},     {Button::Post, editing},     {Button::Cancel, editing},
        {Button::Refresh, true},
    };
    for (auto it = enabled.cbegin(); it != enabled.cend(); ++it)
        m_buttons.value(it.key())->setEnabled(it.value());
}

void RecordNavigator::click(Button which)
{
    QToolButton* b = m_buttons.value(which);
    if (b && b->isEnabled())
        perform(which);
}

void RecordNavigator::perform(Button which)
{
    // The buttons take no focus, so a grid cell over the same view may still be
    // open for editing: settle it before the record moves, posts or is cancelled.
    if (QWidget* top = window()) {
        for (DataGrid* grid : top->findChildren<DataGrid*>()) {
            if (&grid->view() != &m_view)
                continue;
            if (which == Button::Cancel)
                grid->discardOpenEditor();
            else
                grid->commitOpenEditor();
        }
    }
    bool done = false;
    m_guard.run([&] {
        switch (which) {
        case Button::First: m_view.first(); break;
        case Button::Prior: m_view.prior(); break;
        case Button::Next: m_view.next(); break;
        case Button::Last: m_view.last(); break;
        case Button::Insert: m_view.insert(); break;
        case Button::Delete:
            if (!confirmAndDeleteCurrent(m_view, m_guard.port()))
                return;
            break;
        case Button::Edit: m_view.edit(); break;
        case Button::Post: m_view.post(); break;
        case Button::Cancel: m_view.cancel(); break;
        case Button::Refresh: m_view.refresh(); break;
        }
        done = true;
    });
    updateButtons();
    if (done)
        emit buttonClicked(which);
}

} // namespace kelvora
