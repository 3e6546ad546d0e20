// Built into every executable of a sanitized build (LUNAVIK_SANITIZE), so the checks and the
// leak suppressions hold however the executable is started: from the test command, by hand, or
// by a test that gives the program an environment of its own. ASAN_OPTIONS, UBSAN_OPTIONS and
// LSAN_OPTIONS still add to these and override them.

extern "C" {

__attribute__((visibility("default"), used)) const char* __asan_default_options() {
    return "detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:"
           "strict_init_order=1:halt_on_error=1";
}

__attribute__((visibility("default"), used)) const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}

// A clean run prints nothing, not even the suppressions it used.
__attribute__((visibility("default"), used)) const char* __lsan_default_options() {
    return "print_suppressions=0";
}

// What libraries outside this project keep for the life of the process and never free. One
// "leak:<pattern>" line per library or function, with the report that called for it; nothing
// of ours.
__attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
    // fontconfig: 256 bytes (and 32 under them) allocated inside libfontconfig and no longer
    // pointed to when the real program ends, after any window was shown.
    return "leak:libfontconfig.so\n";
}
}
