// The sanitizers' settings for every program of a sanitized build, however it is started
// (CTest, by hand, a debugger); the variables ASAN_OPTIONS, LSAN_OPTIONS and UBSAN_OPTIONS
// still override them.

extern "C" {

const char* __asan_default_options() {
    return "detect_leaks=1:check_initialization_order=1:strict_string_checks=1";
}

const char* __lsan_default_options() {
    return "suppressions=" KORDELAN_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

const char* __ubsan_default_options() {
    return "print_stacktrace=1";
}
}
