// A slot of ours loses what it allocated, called from Qt's event loop on the
// offscreen platform, as every Qt test's slots are: LeakSanitizer must report
// it with the suppressions and full stacks the Qt tests run with. A line that
// names a library in that loop's frames (the platform plugin, Qt Core) would
// hide this leak and every other one of ours.
#include <QApplication>
#include <QTimer>

namespace {

char* volatile lost = nullptr;

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTimer::singleShot(0, &app, [] {
        lost = new char[4093]; // a size no library of the stack leaks
        lost[0] = 1;
        lost = nullptr;
    });
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
