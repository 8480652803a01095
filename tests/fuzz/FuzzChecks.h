#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace kelvora::fuzz {

// One parser of outside text and what must hold for any input it is given: no
// crash, no hang, and the property of its check (a value read back as it was
// written, the same records in memory as in SQLite, ...). A broken property
// ends the process through failed(), which libFuzzer records as a crash.
struct FuzzTarget
{
    const char* name;
    void (*check)(const QByteArray& input);
};

const std::vector<FuzzTarget>& fuzzTargets();
const FuzzTarget* findFuzzTarget(const QString& name);

[[noreturn]] void failed(const char* target, const QString& what);
// A path in a folder of this process, removed when it ends.
QString scratchFile(const QString& name);

void checkColourText(const QByteArray& input);
void checkShortDate(const QByteArray& input);
void checkTypedNumber(const QByteArray& input);
void checkListFile(const QByteArray& input);
void checkIniFile(const QByteArray& input);
void checkSelectionFilter(const QByteArray& input);
void checkReportExpression(const QByteArray& input);
void checkReportTemplate(const QByteArray& input);

} // namespace kelvora::fuzz

// Stops with the reason when a property of a check does not hold.
#define KELVORA_FUZZ_REQUIRE(target, condition, what)                                                         \
    do {                                                                                                      \
        if (!(condition))                                                                                     \
            ::kelvora::fuzz::failed(target, QStringLiteral(#condition ": ") + (what));                       \
    } while (false)
