#pragma once

#include "FilterRowDelegate.h"

#include <QWidget>

class QListView;
class QStandardItemModel;
class QTimer;
class XLabel;
class XPushButton;

// What the four filter drop-downs share: a face (title label and arrow) that
// opens a frameless popup list of check or radio rows, an optional custom box
// under the rows, a 200 ms guard against reopening by the click that closed the
// popup, and a 200 ms debounce before the choice is handed to FileFilterManager.
class FilterComboBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int DebounceMs = 200;
    static constexpr int ValueRole = FilterRowDelegate::ValueRole;

    ~FilterComboBox() override;

    XLabel* faceLabel() const { return faceLabel_; }
    XPushButton* arrow() const { return arrow_; }
    QWidget* popup() const { return popup_; }
    QListView* listView() const { return list_; }
    QStandardItemModel* model() const { return model_; }
    QWidget* customBox() const { return customBox_; }
    QTimer* debounceTimer() const { return debounce_; }
    QTimer* reopenGuard() const { return popupGuard_; }

    // The face's rich text for a title and the summary of the ticked rows,
    // elided to floor(177 x scale) less the title and ": ".
    static QString faceText(const QFontMetrics& metrics, const QString& title, const QString& summary,
                            quint32 mask);

    // Redraws the face; unless displayOnly, hands the choice to FileFilterManager.
    virtual void updateFilter(bool displayOnly) = 0;

public slots:
    virtual void showPopup();

protected:
    FilterComboBox(QWidget* parent, int popupMinimumWidth);

    // Face font, texts, then the face: on construction and on a language change.
    virtual void retranslateUi() = 0;
    void changeEvent(QEvent* event) override;
    // The constructors' last step: a precise single-shot pause, the face's press filter.
    void finishConstruction();

    // Builds the face and the popup list with one row per value (none checked
    // but checkedRow); the delegate paints them.
    void setupFaceAndPopup(FilterRowDelegate* delegate, const QList<int>& values, int checkedRow);
    // The box shown under the rows while the row of customValue is ticked.
    QWidget* createCustomBox(QSize minimumSize, int customValue);
    void setCustomBoxShown(bool shown);
    // OR of the ticked rows' values and their labels joined by ", ".
    void checkedRows(const std::function<FilterRow(int)>& table, quint32* mask, QString* summary) const;
    void setAllRows(Qt::CheckState state, int checkedRow = -1);
    void renderFace(const QString& title, const QString& summary, quint32 mask);
    void restartDebounce();
    void setResizesPopup(bool resizes) { resizesPopup_ = resizes; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onRowClicked();

    XLabel* faceLabel_ = nullptr;
    XPushButton* arrow_ = nullptr;
    QWidget* popup_ = nullptr;
    QWidget* customBox_ = nullptr;
    QListView* list_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    QTimer* popupGuard_ = nullptr;
    QTimer* debounce_ = nullptr;
    int popupMinimumWidth_;
    int customValue_ = -1;
    bool resizesPopup_ = true;
};
