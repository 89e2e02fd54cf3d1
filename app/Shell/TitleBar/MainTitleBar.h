#pragma once

#include <QWidget>

class QMenu;
class XImageBox;
class XLabel;
class XPushButton;

// The main window's own title bar: logo and title; the menu, minimise,
// maximise and close buttons.
class MainTitleBar : public QWidget
{
    Q_OBJECT
public:
    explicit MainTitleBar(QWidget* parent = nullptr);

    QList<QWidget*> captionWidgets() const;
    void setMaximizedLook(bool maximized);

    // The menu as it opens on a click of the menu button (the caller owns it).
    QMenu* buildMainMenu();
    XPushButton* menuButton() const { return menuButton_; }
    XPushButton* minimizeButton() const { return minimizeButton_; }
    XPushButton* maximizeButton() const { return maximizeButton_; }
    XPushButton* closeButton() const { return closeButton_; }
    // Which picture set the maximise button shows: true for "restore".
    bool showsRestorePictures() const { return restorePictures_; }

    // The language entries of the menu, in menu order: (text, language code).
    static QList<QPair<QString, int>> languageEntries();
    // The program "Open Log Folder" opens the folder with (tests give their own).
    void setFolderOpener(const QString& program) { opener_ = program; }

public slots:
    void quitApp();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    XPushButton* makeButton(const QString& stem, const QString& fallbackGlyph);
    void setButtonPictures(XPushButton* button, const QString& stem, const QString& fallbackGlyph);
    void pickMaximizePictures();
    void openMainMenu();
    void openLogFolder();
    void retranslate();

    XImageBox* logo_;
    XLabel* caption_;
    XPushButton* menuButton_;
    XPushButton* minimizeButton_;
    XPushButton* maximizeButton_;
    XPushButton* closeButton_;
    QWidget* background_;
    bool restorePictures_ = false;
    QString opener_;
};
