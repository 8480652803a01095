#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace kelvora {

// Clicks and double clicks on a widget that has no signal for them (a label, a
// text box). A double click is taken by the handler, so a text box does not
// also select a word. Text boxes are watched on their viewport, where the
// mouse arrives. The hook lives as long as the widget.
class ClickHook : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    static ClickHook* onClick(QWidget* widget, Handler handler);
    static ClickHook* onDoubleClick(QWidget* widget, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ClickHook(QWidget* widget, Handler click, Handler doubleClick);
    static ClickHook* hookOf(QWidget* widget);

    Handler m_click;
    Handler m_doubleClick;
};

} // namespace kelvora
