#include "core/app/AppInfo.h"
#include "core/app/CommandLine.h"
#include "core/app/DemoData.h"
#include "core/app/MainModel.h"
#include "core/format/Regional.h"
#include "core/interaction/UnattendedUserPort.h"
#include "core/settings/AppFolders.h"
#include "gui/app/GuiUserPort.h"
#include "gui/app/KelvoraApplication.h"
#include "gui/app/TMainForm.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QTimer>

#include <cstdio>

namespace {

// Help and version go to standard output, a refused line to standard error.
int answer(const kelvora::CommandLine& line)
{
    const QByteArray text = line.text.toLocal8Bit();
    const bool refused = line.action == kelvora::CommandLine::Action::Refuse;
    std::fputs(text.constData(), refused ? stderr : stdout);
    return refused ? kelvora::CommandLine::kUsageStatus : 0;
}

// The desktop entry and its icon, so the window shows the icon of the menu entry.
void setDesktopIdentity(QApplication& app)
{
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kelvora::kDesktopId));
    QIcon icon;
    for (const QString& file : QDir(QStringLiteral(":/icons")).entryList())
        icon.addFile(QStringLiteral(":/icons/") + file);
    app.setWindowIcon(icon);
}

int reportSelfTest(bool passed, const kelvora::AppFolders& folders)
{
    std::fprintf(passed ? stdout : stderr, "%s %s: self-test %s.\nProgram folder: %s\nData folder: %s\n",
                 kelvora::kApplicationTitle, qPrintable(kelvora::applicationVersion()),
                 passed ? "passed" : "failed", qPrintable(QDir::toNativeSeparators(folders.programFolder())),
                 qPrintable(QDir::toNativeSeparators(folders.dataFolder())));
    return passed ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    kelvora::CommandLine line = kelvora::CommandLine::parse(arguments);
    if (line.action == kelvora::CommandLine::Action::Print ||
        (line.action == kelvora::CommandLine::Action::Refuse && !line.mayHoldToolkitOptions))
        return answer(line);

    kelvora::KelvoraApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kelvora::kApplicationTitle));
    QApplication::setOrganizationName(QString::fromLatin1(kelvora::kOrganisation));
    QApplication::setApplicationVersion(kelvora::applicationVersion());
    setDesktopIdentity(app);
    if (line.action != kelvora::CommandLine::Action::Run) {
        line = kelvora::CommandLine::parse(QApplication::arguments());
        if (line.action != kelvora::CommandLine::Action::Run)
            return answer(line);
    }

    kelvora::GuiUserPort guiPort;
    // A self-test answers nothing itself: any message it meets fails it, and is printed.
    kelvora::UnattendedUserPort unattendedPort;
    kelvora::UserPort& port = line.selfTest ? static_cast<kelvora::UserPort&>(unattendedPort) : guiPort;
    kelvora::AppFolders folders;
    try {
        folders = kelvora::AppFolders::resolve(line.dataDir);
        if (line.demo)
            kelvora::DemoData::writeFolder(folders, kelvora::AppFolders::settingsKeyFile(),
                                           QDate::currentDate());
    } catch (const std::exception& e) {
        port.messageDlg(QString::fromUtf8(e.what()), kelvora::MsgType::Error, kelvora::MsgButton::OK);
        return 1;
    }

    kelvora::MainModel model(folders, port, kelvora::Regional::fromLocale(QLocale::system()));
    app.setReporter(&model.reporter());
    kelvora::TMainForm window(model, port);
    guiPort.setParentWindow(&window);
    if (!window.FormCreate())
        return line.selfTest ? reportSelfTest(false, folders) : 0;
    window.show();
    if (line.selfTest) {
        // Closed as the user closes it, so the whole save sequence runs.
        QTimer::singleShot(0, &window, [&app, &window] {
            if (!window.close())
                app.exit(1);
        });
        const int status = app.exec();
        const bool passed =
            status == 0 && model.hasDatabase() && !window.isVisible() && unattendedPort.messages().isEmpty();
        return reportSelfTest(passed, folders);
    }
    return app.exec();
}
