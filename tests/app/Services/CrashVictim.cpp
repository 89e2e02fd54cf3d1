// Dies the way it is told to, with crash reporting set up as the program
// does: crash-victim LOG_FOLDER MODE.
#include "BugSplatProxy.h"

#include <QString>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <sys/resource.h>

// Outside the anonymous namespace, so the compiler cannot see every override
// and skip the virtual call.
struct Base;
extern Base* volatile constructing;
Base* volatile constructing = nullptr;
void callPure();

struct Base {
    Base()
    {
        constructing = this;
        callPure();  // in the constructor the pure slot is still in place
    }
    virtual ~Base() = default;
    virtual void pure() = 0;
};

[[gnu::noinline]] void callPure()
{
    constructing->pure();
}

struct Derived : Base {
    void pure() override { std::abort(); }
};

namespace {

#pragma GCC diagnostic ignored "-Wterminate"
#pragma GCC diagnostic ignored "-Winfinite-recursion"

void noexceptThrower() noexcept
{
    throw std::runtime_error("thrown through noexcept");
}

int recurse(volatile char* previous, int depth)
{
    volatile char frame[4096];
    frame[0] = previous ? previous[0] : 1;
    return recurse(frame, depth + 1) + frame[depth % 4096];
}

// UBSan would stop the null store itself; the test wants the fault.
[[gnu::noinline, gnu::no_sanitize("null")]] void nullWrite(volatile int* target)
{
    *target = 42;
}

}

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString application = QStringLiteral("Ostrel Windows Data Recovery");
    BugSplatProxy::instance().initialize(BugSplatProxy::crashPathFor(folder, application, "1.3.0"), folder,
                                         "OstrelWindowsDataRecovery", application, "1.3.0", "");
    BugSplatProxy::instance().setUserDescription("clicked Recover");
    const char* mode = argv[2];
    if (!std::strcmp(mode, "null"))
        nullWrite(static_cast<volatile int*>(std::getenv("OSTREL_NEVER_SET_VARIABLE")
                                                 ? reinterpret_cast<int*>(std::getenv("OSTREL_NEVER_SET_VARIABLE"))
                                                 : nullptr));
    else if (!std::strcmp(mode, "abort"))
        std::abort();
    else if (!std::strcmp(mode, "noexcept"))
        noexceptThrower();
    else if (!std::strcmp(mode, "purevirtual"))
        Derived derived;
    else if (!std::strcmp(mode, "overflow"))
        return recurse(nullptr, 0);
    return 3;
}
