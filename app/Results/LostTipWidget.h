#pragma once
#include <QWidget>

#include <memory>

class XPushButton;

// The light-blue box under the file list explaining where the files of a lost,
// unmounted or unallocated partition, or of the lost-name folder, come from.
// Closed kinds stay closed for the life of the view.
class LostTipWidget : public QWidget {
    Q_OBJECT
public:
    explicit LostTipWidget(QWidget* parent = nullptr);
    ~LostTipWidget() override;

    // The NodeTypeCode of the folder on show.
    void setKind(quint8 typeCode);
    int kind() const;
    int closedKinds() const;
    XPushButton* closeButton() const;
    QString title() const;
    QString body() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Layout {
        QRect title;
        QRect body;
        int needed = 0;
    };
    Layout layoutFor(int width) const;
    QFont titleFont() const;
    QFont bodyFont() const;

    struct Private;
    std::unique_ptr<Private> d;
};
