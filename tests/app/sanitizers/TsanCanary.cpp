// Two QThreads of ours write one counter with no lock: ThreadSanitizer must
// report the race with the suppressions the Qt tests run with. A suppression
// that matched Qt's frames on every thread's stack would hide it.
#include <QThread>

#include <cstdio>

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
    Writer first, second;
    first.start();
    second.start();
    first.wait();
    second.wait();
    std::printf("counter %d\n", counter);
    return 0;
}
