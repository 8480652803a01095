#pragma once

#include "gui/pages/ClipboardTarget.h"

#include <QLabel>

namespace kelvora {

class ClientsModel;
class HandlerGuard;

// The picture box of the Clients page: it shows the current client's picture
// (at once, or on a click when pictures are not shown automatically) and takes
// the shared right-click menu's Copy, Cut and Paste.
class ClientPicture : public QLabel, public ClipboardTarget
{
    Q_OBJECT
public:
    ClientPicture(ClientsModel& model, HandlerGuard& guard, bool autoDisplay, QWidget* parent = nullptr);

    void showPicture();
    void clipboardCopy() override;
    void clipboardCut() override;
    void clipboardPaste() override;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClientsModel& m_model;
    HandlerGuard& m_guard;
    bool m_autoDisplay;
};

} // namespace kelvora
