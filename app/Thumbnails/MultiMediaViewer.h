#pragma once
#include <QPixmap>
#include <QWidget>

#include <memory>

class QStackedWidget;

// The large area of the preview dialog: one page at a time, the loading
// animation, the picture, or the page saying the file cannot be previewed.
class MultiMediaViewer : public QWidget {
    Q_OBJECT
public:
    explicit MultiMediaViewer(QWidget* parent = nullptr);
    ~MultiMediaViewer() override;

    void showLoading();
    // The not-supported page with the icon of the file's type.
    void showNotSupported(int typeCode);
    void showPicture(const QPixmap& pixmap);

    // The page in view (tests and screenshots).
    QWidget* currentPage() const;
    QWidget* loadingPage() const;
    QWidget* notSupportedPage() const;
    QWidget* picturePage() const;

signals:
    void recoverSignal();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
