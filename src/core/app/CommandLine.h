#pragma once

#include <QString>
#include <QStringList>

namespace kelvora {

// What the command line asks of the program. Parsing needs no application object,
// so --help, --version and a mistyped option are answered before any window
// system is touched (they work over ssh and in scripts without a display).
struct CommandLine
{
    enum class Action
    {
        Run,    // start the program
        Print,  // print `text` on standard output and end with status 0 (--help, --version)
        Refuse, // print `text` on standard error and end with status kUsageStatus
    };
    // The status of a command line that could not be understood, as most Unix tools use.
    static constexpr int kUsageStatus = 2;

    Action action = Action::Run;
    QString text;
    QString dataDir;       // --data-dir DIR
    bool demo = false;     // --demo
    bool selfTest = false; // --self-test
    // A refused line holds a single-dash word such as "-platform": it may be one of
    // Qt's own options, which Qt takes out of argv when the application object is
    // made. Parse the arguments Qt leaves before refusing.
    bool mayHoldToolkitOptions = false;

    // `arguments` starts with the program's own name, as argv does.
    static CommandLine parse(const QStringList& arguments);
};

} // namespace kelvora
