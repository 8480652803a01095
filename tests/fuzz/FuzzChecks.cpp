#include "FuzzChecks.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace kelvora::fuzz {

const std::vector<FuzzTarget>& fuzzTargets()
{
    static const std::vector<FuzzTarget> targets = {
        {"colour_text", checkColourText},
        {"short_date", checkShortDate},
        {"typed_number", checkTypedNumber},
        {"list_file", checkListFile},
        {"ini_file", checkIniFile},
        {"selection_filter", checkSelectionFilter},
        {"report_expression", checkReportExpression},
        {"report_template", checkReportTemplate},
    };
    return targets;
}

const FuzzTarget* findFuzzTarget(const QString& name)
{
    for (const FuzzTarget& t : fuzzTargets()) {
        if (name == QLatin1String(t.name))
            return &t;
    }
    return nullptr;
}

QString scratchFile(const QString& name)
{
    // In memory where the machine has it: the file checks sync every write.
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/kelvora-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/kelvora-fuzz-XXXXXX"));
    return folder.filePath(name);
}

void failed(const char* target, const QString& what)
{
    std::fprintf(stderr, "fuzz check %s failed: %s\n", target, what.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

} // namespace kelvora::fuzz
