// A minimal program with the single-instance guard, for the guard tests:
// prints what it became and every greeting it receives.
//   ostrel-guard-probe [--no-secondary]

#include "Application/XApplication.h"

#include <QTextStream>
#include <cstring>

int main(int argc, char** argv)
{
    bool allowSecondary = true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--no-secondary") == 0)
            allowSecondary = false;
    XApplication app(argc, argv, allowSecondary, XApplication::OptionNotifySecondary, 1000);
    QTextStream out(stdout);
    if (!app.isGuarded()) {
        out << "unguarded" << Qt::endl;
        return 3;
    }
    if (app.isSecondary()) {
        out << "secondary " << app.instanceId() << Qt::endl;
        return 0;
    }
    out << "primary " << QCoreApplication::applicationPid() << " " << app.serverPath() << " "
        << app.blockName() << Qt::endl;
    QObject::connect(&app, &XApplication::instanceStarted,
                     [&out] { out << "Another instance was started" << Qt::endl; });
    QObject::connect(&app, &XApplication::receivedMessage, [&out](uint id, const QByteArray& message) {
        out << "message " << id << " " << message.size() << Qt::endl;
    });
    return app.exec();
}
