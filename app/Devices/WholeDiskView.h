#pragma once
#include "QDiskAndVolumeInfo.h"

#include <QVector>
#include <QWidget>

class QStandardItemModel;
class WholeDiskDelegate;
class XLabel;
class XListView;
class XPushButton;

// One disk of the whole disk page: its name and size, "Start Scan", and a
// horizontal strip of its volumes.
class WholeDiskView : public QWidget
{
    Q_OBJECT
public:
    explicit WholeDiskView(QWidget* parent = nullptr);

    void setPartitions(const QVector<QDiskAndVolumeInfo>& volumes);
    QVector<QDiskAndVolumeInfo> partitions() const;

    XLabel* title() const { return title_; }
    XPushButton* startButton() const { return startButton_; }
    XListView* strip() const { return strip_; }

signals:
    void startScanSignal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setupUi();
    void retranslateUi();

    XLabel* title_;
    XPushButton* startButton_;
    XListView* strip_;
    WholeDiskDelegate* delegate_;
    QStandardItemModel* model_;
};
