#include "core/app/CommandLine.h"

#include "core/app/AppInfo.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace kelvora {

namespace {

// The name the help shows: the command a user types, whatever path started us.
const QString kCommand = QStringLiteral("kelvora");

CommandLine refusal(const QStringList& arguments, const QString& reason)
{
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.text = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(kCommand, reason);
    // Qt's options are all one dash and a word (-platform, -style, -reverse).
    static const QRegularExpression toolkitStyle(QStringLiteral("^-[A-Za-z]{2,}$"));
    for (qsizetype i = 1; i < arguments.size() && !line.mayHoldToolkitOptions; ++i)
        line.mayHoldToolkitOptions = toolkitStyle.match(arguments.at(i)).hasMatch();
    return line;
}

QString helpText(const QCommandLineParser& parser)
{
    QString text = parser.helpText();
    // The parser names the executable from the application object, which does not exist yet.
    const qsizetype endOfUsage = text.indexOf(QLatin1Char('\n'));
    text.replace(0, endOfUsage, QStringLiteral("Usage: %1 [options]").arg(kCommand));
    text += QStringLiteral("\nEnvironment:\n"
                           "  KELVORA_DATA_DIR     the data folder when --data-dir is not given\n"
                           "  KELVORA_CONFIG_DIR   the folder of the per-user settings file Kelvora.ini\n"
                           "                       (default: $XDG_CONFIG_HOME/Marrowby, normally\n"
                           "                       ~/.config/Marrowby)\n"
                           "  KELVORA_PROGRAM_DIR  the folder of the report templates, the logo and the\n"
                           "                       letters (default: the installation's share/kelvora)\n");
    return text;
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("%1 keeps the books of a small business or a household: a diary, clients,\n"
                       "expenses and income, and the reports an accountant asks for.")
            .arg(QLatin1String(kApplicationTitle)));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("Keep the books in DIR (created when missing). Default: $KELVORA_DATA_DIR, "
                       "else ~/.local/share/Kelvora/Data."),
        QStringLiteral("DIR"));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral(
            "Fill an empty data folder with a sample business's records first, to try the program."));
    const QCommandLineOption selfTest(
        QStringLiteral("self-test"),
        QStringLiteral("Open the books, show the main window and close it again as the user would, then "
                       "report the folders used. Ends with status 0 when all went well."));
    parser.addOptions({help, version, dataDir, demo, selfTest});

    if (!parser.parse(arguments))
        return refusal(arguments, parser.errorText());

    CommandLine line;
    if (parser.isSet(help)) {
        line.action = Action::Print;
        line.text = helpText(parser);
        return line;
    }
    if (parser.isSet(version)) {
        line.action = Action::Print;
        line.text = QStringLiteral("%1 %2\n").arg(QLatin1String(kApplicationTitle), applicationVersion());
        return line;
    }
    if (!parser.positionalArguments().isEmpty())
        return refusal(
            arguments,
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(dataDir) && parser.value(dataDir).trimmed().isEmpty())
        return refusal(arguments, QStringLiteral("The folder given with --data-dir is empty."));

    line.dataDir = parser.value(dataDir);
    line.demo = parser.isSet(demo);
    line.selfTest = parser.isSet(selfTest);
    return line;
}

} // namespace kelvora
