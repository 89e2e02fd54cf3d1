#include "DesktopHelpers.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
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

QString defaultFolderOpener()
{
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland")))
        return QString();
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
}

void openFolderInFileManager(const QString& path, QObject* context, std::function<void()> failed,
                             const QString& opener)
{
    if (opener.isEmpty()) {
        if (!openFolderInExplorer(path))
            failed();
        return;
    }
    auto* process = new QProcess(context);
    process->setProgram(opener);
    process->setArguments({path});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, context, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        failed();
        process->deleteLater();
    });
    QObject::connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), context,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0)
                             failed();
                         process->deleteLater();
                     });
    process->start();
}

void centreOnScreen(QWidget* widget)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!widget || !screen)
        return;
    const QRect area = screen->availableGeometry();
    widget->move(area.x() + (area.width() - widget->width()) / 2, area.y() + (area.height() - widget->height()) / 2);
}
