#include "WinFolderSelector.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>

WinFolderSelector::WinFolderSelector(QObject* parent)
    : QObject(parent)
{
}

void WinFolderSelector::selectFolder(QString& path, int flag, const QString& startFolder, QWidget* owner,
                                     std::function<void(int)> callback)
{
    auto notify = [&callback](int state) {
        if (callback)
            callback(state);
    };
    QFileDialog dialog(owner);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QFileDialog::Options options = QFileDialog::ShowDirsOnly;
    if (flag != 0)
        options |= QFileDialog::DontUseNativeDialog;
    dialog.setOptions(options);
    dialog.setWindowModality(Qt::WindowModal);
    // Without a start folder the dialog would open in the working directory,
    // which for a program started from a desktop menu is often "/".
    dialog.setDirectory(startFolder.isEmpty() ? QDir::homePath() : startFolder);
    connect(&dialog, &QFileDialog::directoryEntered, &dialog, [&notify] { notify(FolderChanged); });

    notify(Opening);
    path.clear();
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        path = dialog.selectedFiles().constFirst();
        if (path.size() > 1 && path.endsWith(QLatin1Char('/')))
            path.chop(1);
    }
    qDebug() << "WinFolderSelector: chosen" << path;
    notify(path.isEmpty() ? Cancelled : Chosen);
}
