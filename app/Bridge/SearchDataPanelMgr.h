#pragma once
#include <QObject>
#include <QString>
#include <QVariant>

#include <mutex>

// Where the results browser's widgets leave the place shown, the search text and
// the preview type. Setters and signals belong to the GUI thread; the search text
// is also read by the find task, so it is copied out under a mutex.
class SearchDataPanelMgr : public QObject {
    Q_OBJECT
public:
    static SearchDataPanelMgr* instance();
    explicit SearchDataPanelMgr(QObject* parent = nullptr) : QObject(parent) {}

    void setBreadcrumbPath(const QVariant& path);
    void setFileSystemTreePath(const QVariant& path);
    void setSearchData(const QString& text);
    void setCurrentPreviewType(int type);

    QString searchData() const;
    QVariant currentPath() const { return currentPath_; }
    int currentPreviewType() const { return previewType_; }

signals:
    void breadcrumbPathChanged(QVariant path);
    void fileSystemTreePathChanged(QVariant path);
    void currentPreviewTypeChanged(int type);
    void searchDataChanged(QString text);

private:
    QVariant currentPath_;
    mutable std::mutex textMutex_;
    QString searchText_;
    int previewType_ = 1;
};
