#pragma once
#include <QWidget>

#include <memory>

class DocumentManager;
class FileSystemPathTreeView;
class QPushButton;

// The left column of the results page: the "File Path" / "File Type" switch
// above the folder tree, and the tree's one observer of the found-file trees.
class FileSystemPathNavigato : public QWidget {
    Q_OBJECT
public:
    explicit FileSystemPathNavigato(DocumentManager* manager, QWidget* parent = nullptr);
    // Withdraws the tree observer: no later tree event reaches a destroyed navigator.
    ~FileSystemPathNavigato() override;

    QString currentPath() const;
    void selectPath(const QString& path, bool emitSignal);
    void selectItem(void* item, bool emitSignal);
    void setViewMode(int mode);
    int viewMode() const;
    void refilter();
    void collapseAllAndClear();
    void repaintTree();
    void freeze();

    FileSystemPathTreeView* tree() const;
    QPushButton* pathButton() const;
    QPushButton* typeButton() const;
    // Delivers tree events still waiting (tests, and before a view reads the tree).
    void flushTreeEvents();

signals:
    void itemSelectedChanged(int category, QString nodePath);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    struct Private;
    std::unique_ptr<Private> d;
};
