#include "MainWindow/SignalRelay.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int relayFds[2] = {-1, -1};

void onSignal(int number)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] ssize_t ignored = ::write(relayFds[0], &byte, 1);
    errno = saved;
}

} // namespace

SignalRelay::SignalRelay(QObject* parent)
    : QObject(parent)
{
    if (relayFds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, relayFds) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(number, &action, nullptr);
}

void SignalRelay::start()
{
    if (relayFds[1] < 0 || notifier_)
        return;
    notifier_ = new QSocketNotifier(relayFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        while (::read(relayFds[1], &byte, 1) == 1)
            emit terminationRequested(byte);
    });
}

SignalRelay::~SignalRelay()
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    for (int number : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(number, &action, nullptr);
}
