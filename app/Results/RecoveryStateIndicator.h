#pragma once
#include <QWidget>

#include <memory>

class QLabel;
class QMovie;
class QStackedWidget;
class XBusyIndicator;
class XLabel;

// Stands in for the empty file list: 0 scanning, 1 nothing found, 2 searching,
// 3 no search result, 4 filtering, 5 no filter result. Pages are built on first use.
class RecoveryStateIndicator : public QWidget {
    Q_OBJECT
public:
    explicit RecoveryStateIndicator(QWidget* parent = nullptr);
    ~RecoveryStateIndicator() override;

    void setState(int state);
    int state() const;
    void setVisible(bool visible) override;

    // For tests and screenshots.
    QStackedWidget* pages() const;
    QMovie* movie() const;
    XBusyIndicator* spinner() const;
    QStringList visibleTexts() const;
    XLabel* linkLabel() const;

signals:
    void clickToSearchGuidence();

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyTexts();
    QWidget* animationPage();
    QWidget* nothingFoundPage();
    QWidget* noResultPage();
    QWidget* busyPage();

    struct Private;
    std::unique_ptr<Private> d;
};
