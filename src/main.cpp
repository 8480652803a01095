#include "core/app/AppInfo.h"
#include "core/app/DemoData.h"
#include "core/app/MainModel.h"
#include "core/format/Regional.h"
#include "core/settings/AppFolders.h"
#include "gui/app/GuiUserPort.h"
#include "gui/app/KelvoraApplication.h"
#include "gui/app/TMainForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char** argv)
{
    kelvora::KelvoraApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kelvora::kApplicationTitle));
    QApplication::setOrganizationName(QString::fromLatin1(kelvora::kOrganisation));
    QApplication::setApplicationVersion(kelvora::applicationVersion());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kelvora bookkeeping"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), QStringLiteral("Use DIR as the data folder."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Fill an empty data folder with demonstration records first."));
    parser.addOption(dataDir);
    parser.addOption(demo);
    parser.process(app);

    kelvora::GuiUserPort port;
    kelvora::AppFolders folders;
    try {
        folders = kelvora::AppFolders::resolve(parser.value(dataDir));
        if (parser.isSet(demo))
            kelvora::DemoData::writeFolder(folders, kelvora::AppFolders::settingsKeyFile(), QDate::currentDate());
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QString::fromLatin1(kelvora::kApplicationTitle), QString::fromUtf8(e.what()));
        return 1;
    }

    kelvora::MainModel model(folders, port, kelvora::Regional::fromLocale(QLocale::system()));
    app.setReporter(&model.reporter());
    kelvora::TMainForm window(model, port);
    port.setParentWindow(&window);
    if (!window.FormCreate())
        return 0;
    window.show();
    return app.exec();
}
