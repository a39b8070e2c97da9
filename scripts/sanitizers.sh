# Run-time options of the sanitizer build, sourced by test.sh --sanitize.
# Every fault stops the test with a report. Leaks are reported too; the only ones
# suppressed are those allocated inside system libraries (Qt, fontconfig, X), listed in
# scripts/lsan.supp. A leak in our own code is never suppressed.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
