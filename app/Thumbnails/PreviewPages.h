#pragma once
#include <QPixmap>
#include <QWidget>

#include <memory>

class QLabel;
class QMovie;
class XImageBox;
class XLabel;

// The pages of the preview area. Only the picture, not-supported and loading
// pages are ever shown: the program plays no video or audio and renders no
// document, so those pages stay empty.
class PictureViewer : public QWidget {
    Q_OBJECT
public:
    explicit PictureViewer(QWidget* parent = nullptr);
    void setPixmap(const QPixmap& pixmap);
    QLabel* label() const { return pictureLabel; }

private:
    QLabel* pictureLabel = nullptr;
};

class NotSupportPreview : public QWidget {
    Q_OBJECT
public:
    explicit NotSupportPreview(QWidget* parent = nullptr);
    // Shows the icon of the file's type (a type code of the found-file model).
    void setTypeCode(int typeCode);
    int typeCode() const { return shownType; }
    XImageBox* imageBox() const { return image; }
    XLabel* titleLabel() const { return title; }
    XLabel* hintLabel() const { return hint; }

signals:
    void recoverSignal();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    XImageBox* image = nullptr;
    int shownType = -1;
    XLabel* title = nullptr;
    XLabel* hint = nullptr;
};

class LoadingAnimationView : public QWidget {
    Q_OBJECT
public:
    explicit LoadingAnimationView(QWidget* parent = nullptr);
    QMovie* movie() const { return animation; }

private:
    QMovie* animation = nullptr;
};

// Empty pages: each keeps only a record pointing back to itself.
#define OSTREL_EMPTY_PREVIEW_PAGE(Name)                                   \
    class Name : public QWidget {                                         \
        Q_OBJECT                                                          \
    public:                                                               \
        explicit Name(QWidget* parent = nullptr);                         \
        ~Name() override;                                                 \
                                                                          \
    private:                                                              \
        struct Private;                                                   \
        std::unique_ptr<Private> d;                                       \
    };

OSTREL_EMPTY_PREVIEW_PAGE(AudioViewer)
OSTREL_EMPTY_PREVIEW_PAGE(DocumentViewer)
OSTREL_EMPTY_PREVIEW_PAGE(VideoViewer)
#undef OSTREL_EMPTY_PREVIEW_PAGE
