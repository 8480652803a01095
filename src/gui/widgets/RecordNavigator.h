#pragma once

#include <QFlags>
#include <QHash>
#include <QPointer>
#include <QWidget>

class QToolButton;

namespace kelvora {

class HandlerGuard;
class View;

// The record buttons over a View: move, insert, delete (after confirmation),
// edit, post, cancel and refresh. Each button is enabled only when its action
// means something for the view's state and position; every action runs through
// the guard, and `buttonClicked` follows a completed action.
class RecordNavigator : public QWidget
{
    Q_OBJECT

public:
    enum class Button {
        First = 0x1,
        Prior = 0x2,
        Next = 0x4,
        Last = 0x8,
        Insert = 0x10,
        Delete = 0x20,
        Edit = 0x40,
        Post = 0x80,
        Cancel = 0x100,
        Refresh = 0x200,
    };
    Q_ENUM(Button)
    Q_DECLARE_FLAGS(Buttons, Button)

    static constexpr Buttons allButtons()
    {
        return Buttons(0x3FF);
    }

    RecordNavigator(View& view, HandlerGuard& guard, QWidget* parent = nullptr);

    View& view() const { return m_view; }

    // The buttons shown (the diary's navigator has no insert, prior or next).
    void setVisibleButtons(Buttons buttons);
    Buttons visibleButtons() const { return m_visible; }

    // The button itself, so callers can give it a status tip or find it by name.
    QToolButton* button(Button which) const { return m_buttons.value(which); }

    // Runs the button's action as a click does (disabled buttons do nothing).
    void click(Button which);

    // Re-reads the view's state and position; called on every change signal.
    void updateButtons();

signals:
    void buttonClicked(kelvora::RecordNavigator::Button which);

private:
    void perform(Button which);

    View& m_view;
    HandlerGuard& m_guard;
    QHash<Button, QToolButton*> m_buttons;
    Buttons m_visible = allButtons();
};

Q_DECLARE_OPERATORS_FOR_FLAGS(RecordNavigator::Buttons)

} // namespace kelvora
