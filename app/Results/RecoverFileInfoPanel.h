#pragma once
#include <QVariant>
#include <QWidget>

#include <memory>

class QStandardItemModel;
class XImageBox;
class XListView;
class XPushButton;
struct DocumentInfo;

// The details column beside the file list: preview picture, "Preview"/"Open"
// and the Name, Date Modified, Type, Size and Path rows of the current file.
class RecoverFileInfoPanel : public QWidget {
    Q_OBJECT
public:
    explicit RecoverFileInfoPanel(QWidget* parent = nullptr);
    ~RecoverFileInfoPanel() override;

    void setDocument(const QVariant& value);
    void onThumbnailLoaded(qulonglong docAddress, const QPixmap& thumbnail, bool isLast);
    void retranslateUi();

    // The path as the Path row shows it: the first three levels translated.
    static QString displayPath(const QString& path);
    // A thumbnail fitted into the box: scaled down when larger, corners rounded when it nearly fills it.
    static QPixmap fitted(const QPixmap& thumbnail, const QSize& box);

    XPushButton* button() const;
    XImageBox* imageBox() const;
    QStandardItemModel* rows() const;
    XListView* rowView() const;

signals:
    void openClicked(QVariant document);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showPicture(const QPixmap& thumbnail);
    void fillRows();

    struct Private;
    std::unique_ptr<Private> d;
};
