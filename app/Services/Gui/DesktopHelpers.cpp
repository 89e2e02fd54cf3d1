#include "DesktopHelpers.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <QWidget>

bool openLink(const QString& text, bool local)
{
    return QDesktopServices::openUrl(local ? QUrl::fromLocalFile(text) : QUrl(text, QUrl::TolerantMode));
}

bool openFolderInExplorer(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void centreOnScreen(QWidget* widget)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!widget || !screen)
        return;
    const QRect area = screen->availableGeometry();
    widget->move(area.x() + (area.width() - widget->width()) / 2, area.y() + (area.height() - widget->height()) / 2);
}
