#include "BugSplatProxy.h"

#include <QFile>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <mutex>
#include <new>
#include <vector>

#include <execinfo.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// Everything the handler reads is prepared here beforehand: it may not
// allocate, lock or log (the crashed thread may hold the logger's lock).
constexpr size_t TextLimit = 4096;
char crashPathText[TextLimit];
char applicationText[512];
char versionText[64];
std::atomic<const char*> descriptionText{""};
std::atomic<bool> crashing{false};

constexpr int FatalSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr size_t AlternateStackSize = 256 * 1024;

void copyText(char* target, size_t size, const QString& text)
{
    const QByteArray bytes = QFile::encodeName(text);
    const size_t length = qMin(static_cast<size_t>(bytes.size()), size - 1);
    std::memcpy(target, bytes.constData(), length);
    target[length] = '\0';
}

// Async-signal-safe output helpers.
void put(int fd, const char* text)
{
    size_t length = std::strlen(text);
    while (length > 0) {
        const ssize_t written = ::write(fd, text, length);
        if (written <= 0)
            return;
        text += written;
        length -= static_cast<size_t>(written);
    }
}

void putUnsigned(int fd, unsigned long long value, int base = 10, int minDigits = 1)
{
    char digits[32];
    int count = 0;
    do {
        const int digit = static_cast<int>(value % base);
        digits[count++] = static_cast<char>(digit < 10 ? '0' + digit : 'a' + digit - 10);
        value /= base;
    } while (value != 0 && count < 32);
    while (count < minDigits && count < 32)
        digits[count++] = '0';
    char text[33];
    for (int i = 0; i < count; ++i)
        text[i] = digits[count - 1 - i];
    text[count] = '\0';
    put(fd, text);
}

const char* signalName(int signal)
{
    switch (signal) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGILL: return "SIGILL";
    case SIGFPE: return "SIGFPE";
    case SIGABRT: return "SIGABRT";
    default: return "signal";
    }
}

// UTC date and time from Unix seconds (days-to-civil, integers only).
void putUtcTime(int fd, long long seconds)
{
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const long long month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    putUnsigned(fd, static_cast<unsigned long long>(year), 10, 4);
    put(fd, "-");
    putUnsigned(fd, static_cast<unsigned long long>(month), 10, 2);
    put(fd, "-");
    putUnsigned(fd, static_cast<unsigned long long>(day), 10, 2);
    put(fd, " ");
    putUnsigned(fd, static_cast<unsigned long long>(rest / 3600), 10, 2);
    put(fd, ":");
    putUnsigned(fd, static_cast<unsigned long long>(rest / 60 % 60), 10, 2);
    put(fd, ":");
    putUnsigned(fd, static_cast<unsigned long long>(rest % 60), 10, 2);
    put(fd, " UTC");
}

// Peak resident memory (VmHWM) in MB with one decimal, read with open/read.
void putPeakMemory(int fd)
{
    char buffer[4096];
    const int status = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    ssize_t length = status >= 0 ? ::read(status, buffer, sizeof buffer - 1) : -1;
    if (status >= 0)
        ::close(status);
    unsigned long long kilobytes = 0;
    if (length > 0) {
        buffer[length] = '\0';
        if (const char* line = std::strstr(buffer, "VmHWM:")) {
            for (line += 6; *line == ' ' || *line == '\t'; ++line) {
            }
            for (; *line >= '0' && *line <= '9'; ++line)
                kilobytes = kilobytes * 10 + static_cast<unsigned long long>(*line - '0');
        }
    }
    const unsigned long long tenths = (kilobytes * 10 + 512) / 1024;
    putUnsigned(fd, tenths / 10);
    put(fd, ".");
    putUnsigned(fd, tenths % 10);
    put(fd, "MB");
}

void writeReport(int signal, const siginfo_t* info)
{
    const int fd = ::open(crashPathText, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    put(fd, "Signal: ");
    putUnsigned(fd, static_cast<unsigned>(signal));
    put(fd, " (");
    put(fd, signalName(signal));
    // si_addr means the faulting address only for faults, not for abort().
    if (info && signal != SIGABRT) {
        put(fd, ")\nAddress: 0x");
        putUnsigned(fd, reinterpret_cast<unsigned long long>(info->si_addr), 16);
    } else {
        put(fd, ")\nAddress: -");
    }
    put(fd, "\nApplication: ");
    put(fd, applicationText);
    put(fd, "\nVersion: ");
    put(fd, versionText);
    put(fd, "\nTime: ");
    putUtcTime(fd, static_cast<long long>(::time(nullptr)));
    put(fd, "\nDescription: ");
    put(fd, descriptionText.load());
    put(fd, "\nMem: ");
    putPeakMemory(fd);
    put(fd, "\nBacktrace:\n");
    void* frames[64];
    const int count = ::backtrace(frames, 64);
    ::backtrace_symbols_fd(frames, count, fd);
    ::close(fd);
}

void onFatalSignal(int signal, siginfo_t* info, void*)
{
    // A second fault while writing (or in another thread) goes straight to
    // the default action: SA_RESETHAND has restored it.
    if (!crashing.exchange(true))
        writeReport(signal, info);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void installHandlers()
{
    void* stack = ::mmap(nullptr, AlternateStackSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (stack != MAP_FAILED) {
        stack_t alternate{};
        alternate.ss_sp = stack;
        alternate.ss_size = AlternateStackSize;
        ::sigaltstack(&alternate, nullptr);
    }
    struct sigaction action {};
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int signal : FatalSignals)
        ::sigaction(signal, &action, nullptr);
    std::set_terminate([] { std::abort(); });
    std::set_new_handler([] { std::abort(); });
}

}

BugSplatProxy& BugSplatProxy::instance()
{
    static BugSplatProxy proxy;
    return proxy;
}

QString BugSplatProxy::crashPathFor(const QString& logFolder, const QString& application, const QString& version)
{
    return QStringLiteral("%1/%2_v%3.crash").arg(logFolder, application, version);
}

void BugSplatProxy::initialize(const QString& crashPath, const QString& logFolder, const QString& database,
                               const QString& application, const QString& version, const QString& description)
{
    crashPath_ = crashPath;
    logFolder_ = logFolder;
    database_ = database;
    copyText(crashPathText, sizeof crashPathText, crashPath);
    copyText(applicationText, sizeof applicationText, application);
    copyText(versionText, sizeof versionText, version);
    setUserDescription(description);
    // The first backtrace() loads the unwinder, which allocates: not in the handler.
    void* frames[4];
    ::backtrace(frames, 4);
    installHandlers();
}

void BugSplatProxy::setUserDescription(const QString& text)
{
    // Kept for the life of the process: the handler may read it at any moment.
    // Every copy stays reachable, so a replaced one is kept, not leaked.
    static std::mutex keptMutex;
    static auto* kept = new std::vector<const char*>;
    const char* copy = ::strdup(text.simplified().toUtf8().constData());
    {
        std::lock_guard lock(keptMutex);
        kept->push_back(copy);
    }
    descriptionText.store(copy);
}

void BugSplatProxy::setUserEmail(const QString& text)
{
    userEmail_ = text;
}

void BugSplatProxy::setUserName(const QString& text)
{
    userName_ = text;
}
