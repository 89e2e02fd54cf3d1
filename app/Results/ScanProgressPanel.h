#pragma once
#include <QWidget>

#include <memory>

class XCircularProgress;
class XLabel;
class XPushButton;

// The strip under the results: the progress ring, the scan kind or its end,
// the files found so far, the remaining time with pause and stop, the files
// the user checked and the "Recover" button. It follows the document
// manager's scan signals itself; its buttons only report to the page.
class ScanProgressPanel : public QWidget {
    Q_OBJECT
public:
    explicit ScanProgressPanel(QWidget* parent = nullptr);
    ~ScanProgressPanel() override;

    void setRecoverDisabled(bool disabled);

    // For the page's tests and screenshots.
    XCircularProgress* ring() const;
    XLabel* statusLabel() const;
    XLabel* filesLabel() const;
    XLabel* selectedLabel() const;
    XLabel* remainingCaption() const;
    XLabel* remainingValue() const;
    XPushButton* pauseButton() const;
    XPushButton* stopButton() const;
    XPushButton* recoverButton() const;

signals:
    void pauseButtonClicked();
    void stopButtonClicked();
    void recoverButtonClicked();

public slots:
    void onScanStart();
    void onScanPause();
    void onScanFinish(int errorType, const QString& description, int totalErrorCount);
    void onProgressUpdated(int recoverType, int progress, const QString& remainingMs);
    void onFileProgressUpdated(const QString& filesCount, const QString& totalSize);
    void onSelectedDocumentChanged(const QString& count, const QString& size);

protected:
    void changeEvent(QEvent* event) override;

private:
    void setupUi();
    void retranslateUi();
    void showRunning();
    void showPaused();
    void showFinished();
    void showStopped();
    // The pause and stop buttons and the remaining time: gone once the scan ends.
    void hideScanControls();
    // Finished or stopped: a late resume or pause must not bring the scan back.
    bool scanEnded() const;
    void showDisplayOfState();
    void setPauseImages(bool paused);

    struct Private;
    std::unique_ptr<Private> d;
};
