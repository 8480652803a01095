#include "gui/widgets/ClickHook.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>

namespace kelvora {

namespace {
QWidget* surfaceOf(QWidget* widget)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
        return area->viewport();
    return widget;
}
} // namespace

ClickHook::ClickHook(QWidget* widget, Handler click, Handler doubleClick)
    : QObject(widget), m_click(std::move(click)), m_doubleClick(std::move(doubleClick))
{
    surfaceOf(widget)->installEventFilter(this);
}

ClickHook* ClickHook::hookOf(QWidget* widget)
{
    if (auto* hook = widget->findChild<ClickHook*>(QString(), Qt::FindDirectChildrenOnly))
        return hook;
    return new ClickHook(widget, {}, {});
}

ClickHook* ClickHook::onClick(QWidget* widget, Handler handler)
{
    ClickHook* hook = hookOf(widget);
    hook->m_click = std::move(handler);
    return hook;
}

ClickHook* ClickHook::onDoubleClick(QWidget* widget, Handler handler)
{
    ClickHook* hook = hookOf(widget);
    hook->m_doubleClick = std::move(handler);
    return hook;
}

bool ClickHook::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && m_doubleClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        m_doubleClick();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && m_click &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        m_click();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvora
