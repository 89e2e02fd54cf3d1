#pragma once
#include <QWidget>

#include <memory>

class BreadcrumbView;
class XImageBox;
class XLabel;
class XPushButton;
class XSearchBox;
struct SearchConfig;

// The strip above the results: Home (Return while search results show), one
// level up, the location's icon and breadcrumb (or the match count during a
// search), list or thumbnail view, the Filter button and the search box. It
// keeps no state of its own: the location, view and search text live in
// SearchDataPanelMgr, the filter state in FileFilterManager.
class SearchDataPanel : public QWidget {
    Q_OBJECT
public:
    explicit SearchDataPanel(QWidget* parent = nullptr);
    ~SearchDataPanel() override;

    // The filter bar unfolded below the row by the Filter button; the panel owns it.
    void setFilterBar(QWidget* bar);
    QWidget* filterBar() const;

    void retranslateUi();
    QSize minimumSizeHint() const override;

    // The parts, for the page's wiring, tests and screenshots.
    XPushButton* homeButton() const;
    XPushButton* backButton() const;
    XPushButton* listButton() const;
    XPushButton* thumbnailButton() const;
    XPushButton* filterButton() const;
    XImageBox* locationIcon() const;
    XImageBox* searchIcon() const;
    XSearchBox* searchBox() const;
    BreadcrumbView* breadcrumb() const;
    XLabel* countLabel() const;
    QWidget* filterDot() const;

signals:
    void homeButtonClicked();
    void filterToggled(bool checked);

public slots:
    void clearSearchText(bool blockSignals = true);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupUi();
    void connectParts();
    void onHomeClicked();
    void onFilterToggled(bool checked);
    void onCrumbClicked(int row, const QString& node);
    void onBackClicked();
    void onLocationChanged(const QVariant& value);
    void updateFilterButton();
    void setHomeLook(bool searchLook);
    void placeFilterDot();
    SearchConfig currentConfig() const;

    struct Private;
    std::unique_ptr<Private> d;
};
