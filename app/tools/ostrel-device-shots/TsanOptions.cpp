// Debian's Qt is not instrumented: its image readers hand work to Qt's own
// thread pool through futex-based locks ThreadSanitizer cannot see. Reports
// from inside uninstrumented libraries are ignored; this tool's code stays checked.
#if defined(__SANITIZE_THREAD__)
extern "C" __attribute__((visibility("default"), used)) const char* __tsan_default_options()
{
    return "ignore_noninstrumented_modules=1";
}
#endif
