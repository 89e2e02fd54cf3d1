// Two QThreads of ours write one counter with no lock: ThreadSanitizer must
// report it with the options and suppressions the Qt tests run with. Both
// stacks run under QThread's start routine in libQt5Core, so a suppression
// that names a Qt library (or Qt's thread start) would hide this race and
// every other one in our threads.
#include <QThread>

namespace {

int counter = 0;

class Writer : public QThread {
protected:
    void run() override
    {
        for (int i = 0; i < 1000; ++i)
            counter = counter + 1;
    }
};

}

int main()
{
    // The main thread never reads the counter: the only race is the writers'.
    Writer first, second;
    first.start();
    second.start();
    first.wait();
    second.wait();
    return 0;
}
