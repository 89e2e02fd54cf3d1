// Debian's Qt is not instrumented: QThread's own finish and wait hand off
// through futex-based mutexes ThreadSanitizer cannot see, so it would report
// Qt's internal wait condition as raced when a finished QThread is destroyed.
// Interceptors called from uninstrumented libraries are ignored; the model's
// own locks and atomics are compiled here and stay checked.
#if defined(__SANITIZE_THREAD__)
extern "C" __attribute__((visibility("default"), used)) const char* __tsan_default_options()
{
    return "ignore_noninstrumented_modules=1";
}
#endif
