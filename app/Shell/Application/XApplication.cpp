#include "Application/XApplication.h"

#include "Application/UiScale.h"

#include <QScreen>

XApplication::XApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    const QScreen* screen = primaryScreen();
    scaleX = scaleY = uiScaleForDpi(screen ? screen->logicalDotsPerInch() : 96.0);
}

XApplication::~XApplication() = default;

XApplication* XApplication::instance()
{
    return qobject_cast<XApplication*>(QCoreApplication::instance());
}

int XApplication::scaledX(double value)
{
    const XApplication* app = instance();
    return scaledLength(value, app ? app->scaleX : 1.0);
}

int XApplication::scaledY(double value)
{
    const XApplication* app = instance();
    return scaledLength(value, app ? app->scaleY : 1.0);
}
