#include "SearchDataPanelMgr.h"

SearchDataPanelMgr* SearchDataPanelMgr::instance()
{
    static SearchDataPanelMgr manager;
    return &manager;
}

void SearchDataPanelMgr::setBreadcrumbPath(const QVariant& path)
{
    currentPath_ = path;
    emit breadcrumbPathChanged(path);
}

void SearchDataPanelMgr::setFileSystemTreePath(const QVariant& path)
{
    currentPath_ = path;
    emit fileSystemTreePathChanged(path);
}

void SearchDataPanelMgr::setSearchData(const QString& text)
{
    {
        std::lock_guard lock(textMutex_);
        searchText_ = text;
    }
    emit searchDataChanged(text);
}

void SearchDataPanelMgr::setCurrentPreviewType(int type)
{
    previewType_ = type;
    emit currentPreviewTypeChanged(type);
}

QString SearchDataPanelMgr::searchData() const
{
    std::lock_guard lock(textMutex_);
    return searchText_;
}
