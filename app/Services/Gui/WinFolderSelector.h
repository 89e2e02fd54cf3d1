#pragma once
// The folder picker: a modal directories-only QFileDialog over the owner,
// Qt's own dialog with the legacy flag, else the platform's.
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

class WinFolderSelector : public QObject {
    Q_OBJECT
public:
    enum State { Opening = 0, FolderChanged = 1, Chosen = 2, Cancelled = 3 };

    explicit WinFolderSelector(QObject* parent = nullptr);

    // Sets path to the chosen folder (one trailing "/" removed, "/" kept) or
    // to an empty text; the callback hears 0 before the dialog opens, 1 when
    // the shown folder changes, then 2 (chosen) or 3 (cancelled).
    void selectFolder(QString& path, int flag, const QString& startFolder, QWidget* owner,
                      std::function<void(int)> callback = {});
};
