#pragma once
// Posted to the main window (AppManager's widget 0) to dim it or show the
// busy indicator: 1 shows the shade overlay, 2 hides it, 4 shows the busy
// indicator, 8 hides it; 1 wins over 2 and 4 over 8.
#include <QEvent>

class AppEvent : public QEvent {
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(1010);
    enum Flag { ShowShade = 1, HideShade = 2, ShowBusy = 4, HideBusy = 8 };

    explicit AppEvent(int flags) : QEvent(EventType), flags_(flags) {}
    int flags() const { return flags_; }

private:
    int flags_;
};
