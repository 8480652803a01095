#include "core/app/AppInfo.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kelvora::kApplicationTitle));
    QApplication::setOrganizationName(QString::fromLatin1(kelvora::kOrganisation));
    QApplication::setApplicationVersion(kelvora::applicationVersion());
    return 0;
}
