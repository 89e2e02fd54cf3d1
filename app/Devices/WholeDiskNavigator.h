#pragma once
#include "QDiskAndVolumeInfo.h"

#include <QVector>
#include <QWidget>

class QScrollArea;
class QVBoxLayout;
class WholeDiskView;

// A scrolling column of disk cards; "Start Scan" on one scans all its volumes.
class WholeDiskNavigator : public QWidget
{
    Q_OBJECT
public:
    explicit WholeDiskNavigator(QWidget* parent = nullptr);

    void addDiskView(const QVector<QDiskAndVolumeInfo>& volumes);
    void clearDiskViews();
    QList<WholeDiskView*> diskViews() const;
    QVBoxLayout* contentLayout() const { return layout_; }

public slots:
    void onStartScanClicked();

private:
    void setupUi();

    QScrollArea* scrollArea_;
    QWidget* content_;
    QVBoxLayout* layout_;
};
