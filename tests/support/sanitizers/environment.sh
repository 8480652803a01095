# Sourced by test.sh --sanitize and tests/fuzz/run.sh: how the sanitizer
# runtimes behave in every program the tests start.
_here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# Stop at the first fault, with the whole stack; leaks are faults too.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1:symbolize=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1:suppressions=$_here/ubsan.supp"
export LSAN_OPTIONS="suppressions=$_here/lsan.supp:print_suppressions=0"
unset _here
