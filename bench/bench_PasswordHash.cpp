// How long the start-up password takes on this machine: making a new stored
// value (a password change, or replacing an older form) and checking a typed
// password against one (the start-up prompt), with the program's limits. The
// prompt should answer within about half a second.

#include "core/settings/PasswordHash.h"

#include <benchmark/benchmark.h>

using namespace kelvora;

namespace {

void BM_HashPassword(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(hashPassword(QStringLiteral("Correct horse")));
}
BENCHMARK(BM_HashPassword)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_VerifyPassword(benchmark::State& state)
{
    const QString stored = hashPassword(QStringLiteral("Correct horse"));
    const QString typed = state.range(0) ? QStringLiteral("Correct horse") : QStringLiteral("correct horse");
    for (auto _ : state)
        benchmark::DoNotOptimize(passwordMatches(typed, stored));
}
BENCHMARK(BM_VerifyPassword)->ArgName("right")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
