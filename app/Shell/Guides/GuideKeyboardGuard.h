#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// While a tour's overlay shows, its shade blocks the mouse; this blocks the
// keyboard. Installed on the application while the overlay is visible, it
// swallows key and shortcut events aimed at widgets of the overlay's window
// that lie outside the overlay (Tab, Space or Return would otherwise press
// the page's buttons under the shade), and Tab and the arrow keys inside the
// overlay, so the focus cannot walk out from under it. Other windows
// (dialogs) keep their keys.
class GuideKeyboardGuard : public QObject
{
    Q_OBJECT
public:
    explicit GuideKeyboardGuard(QWidget* overlay);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> overlay_;
};
