// The libFuzzer program of one check; KELVORA_FUZZ_TARGET names it.
#include "FuzzChecks.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
const kelvora::fuzz::FuzzTarget* target = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The SQL driver and the text codecs want an application object.
    static QCoreApplication app(*argc, *argv);
    target = kelvora::fuzz::findFuzzTarget(QStringLiteral(KELVORA_FUZZ_TARGET));
    if (!target) {
        std::fprintf(stderr, "no fuzz check named %s\n", KELVORA_FUZZ_TARGET);
        std::exit(2);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    target->check(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
