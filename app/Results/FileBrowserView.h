#pragma once
#include <QVariant>
#include <QVector>
#include <QWidget>

#include <memory>

class CheckableHeaderView;
class DocumentManager;
class FileBrowserDelegate;
class FileBrowserModel;
class FileBrowserProxyModel;
class LostTipWidget;
class QTimer;
class RecoverFileInfoPanel;
class RecoveryStateIndicator;
class SearchGuideDialog;
class XListView;
struct DocumentInfo;
struct FileTreeNode;

// The right-hand half of the results page: the file list (rows or an icon grid)
// with its checkable, sortable header, the state pages standing in for an empty
// list, the information panel and the lost-partition tip. Check and sort
// requests go to the found-file model, which owns every record and state.
class FileBrowserView : public QWidget {
    Q_OBJECT
public:
    explicit FileBrowserView(DocumentManager* manager, QWidget* parent = nullptr);
    ~FileBrowserView() override;

    void setDocuments(const QVector<DocumentInfo*>& docs, const QVariant& selection = QVariant());
    void appendDocument(DocumentInfo* doc);
    // One insert for a batch delivered into the folder on show.
    void appendDocuments(const QVector<DocumentInfo*>& docs);
    // checkFilter: 0 checked or partly, 1 unchecked or partly, 2 all; kindFilter:
    // 0 files, 1 folders and devices, 2 all.
    QVector<DocumentInfo*> documents(bool onlyFiltered, int checkFilter, int kindFilter) const;
    void setCurrentPath(const QString& path);
    QString currentPath() const;
    void setViewDisplayMode(int mode);
    int viewDisplayMode() const;
    void setSearchKeyword(const QString& keyword);
    void setIconMode(bool icon);
    bool isIconMode() const;
    void setHeaderEnabled(bool enabled);
    void resetSort();
    void updateHeaderCheckState();
    void refreshCheckStates(bool repaint);
    void refreshNodeRow(FileTreeNode* node);
    void updateThumbnail(DocumentInfo* doc, const QPixmap& thumbnail, bool isLast);
    void showEmptyState(bool scanDone);
    void showSearchState(bool noResult);
    void showFilterState(bool noResult);
    void freeze();

    // The parts, for the page's wiring, tests and screenshots.
    XListView* listView() const;
    FileBrowserModel* model() const;
    FileBrowserProxyModel* proxy() const;
    FileBrowserDelegate* delegate() const;
    CheckableHeaderView* header() const;
    RecoverFileInfoPanel* infoPanel() const;
    RecoveryStateIndicator* stateIndicator() const;
    LostTipWidget* lostTip() const;
    SearchGuideDialog* searchGuide() const;
    QTimer* thumbnailTimer() const;

signals:
    void itemDoubleClicked(QVariant document);
    void viewActionTriggered(QVariant document);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setupUi();
    // The header's date section as wide as the delegate paints it, in the current font.
    void fitDateColumn();
    void connectParts();
    void showList();
    void showStatePage(int state, bool hidePanel);
    void updateLostTip();
    void loadVisibleThumbnails();
    void checkWholeList(Qt::CheckState state);
    void sortList(int column, Qt::SortOrder order, bool first);
    void toggleRow(const QModelIndex& proxyIndex);
    void showSearchGuide();
    void selectDocument(DocumentInfo* doc);
    DocumentInfo* recordAt(const QModelIndex& proxyIndex) const;
    // The records in view order when every row is loaded, else the whole vector.
    QVector<DocumentInfo*> listedRecords() const;

    struct Private;
    std::unique_ptr<Private> d;
};
