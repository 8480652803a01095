#include "gui/widgets/RecordDeletion.h"

#include "core/interaction/UserPort.h"
#include "core/store/View.h"

#include <QCoreApplication>

namespace kelvora {

bool confirmAndDeleteCurrent(View& view, UserPort& port)
{
    if (view.isEmpty() || view.currentRow() < 0)
        return false;
    const QString question = QCoreApplication::translate("RecordDeletion", "Delete record?");
    if (port.messageDlg(question, MsgType::Confirmation, MsgButton::OK | MsgButton::Cancel) != MsgButton::OK)
        return false;
    view.deleteRecord();
    return true;
}

} // namespace kelvora
