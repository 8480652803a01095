#include "gui/app/KelvoraApplication.h"

#include "core/base/KelvoraError.h"
#include "core/base/Reporter.h"

#include <QMessageBox>

namespace kelvora {

KelvoraApplication::KelvoraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KelvoraApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const KelvoraError& e) {
        report(e.message());
    } catch (const std::exception& e) {
        report(QString::fromUtf8(e.what()));
    }
    return false;
}

void KelvoraApplication::report(const QString& message)
{
    if (m_reporter)
        m_reporter->report(message);
    else
        QMessageBox::critical(activeWindow(), applicationName(), message);
}

} // namespace kelvora
