#pragma once
#include <QSize>
#include <QWidget>

class NoSDCardSolutionProviderDelegate;
class QStandardItemModel;
class XLabel;
class XListView;

// One tab of the no-SD-card help: illustrated steps in a list; the status
// tab (mode 1) has a header that opens the desktop's partition tool.
class NoSDCardSolutionProvider : public QWidget
{
    Q_OBJECT
public:
    enum Mode { ConnectionMode = 0, StatusMode = 1 };

    NoSDCardSolutionProvider(const QSize& pictureSize, int rowHeight, int mode, QWidget* parent = nullptr);
    void addStep(const QString& text, const QString& picturePath, bool separator);

    XListView* listView() const { return list_; }
    QStandardItemModel* model() const { return model_; }
    XLabel* header() const { return header_; }
    NoSDCardSolutionProviderDelegate* delegate() const { return delegate_; }

protected:
    // The view hands the delegate presses but no mouse moves: the hand over a link needs them.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize pictureSize_;
    XListView* list_;
    QStandardItemModel* model_;
    NoSDCardSolutionProviderDelegate* delegate_;
    XLabel* header_ = nullptr;
};

// Rich text with its links turned into plain text, for where a link has nowhere to go.
QString withoutAnchors(QString html);
