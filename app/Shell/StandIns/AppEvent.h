#pragma once

#include <QEvent>
#include <QVariant>

// Posted to the main window (AppManager's widget 0): 1 shows the shade, 2 hides
// it, 4 shows the busy indicator, 8 hides it.
class AppEvent : public QEvent
{
public:
    static constexpr QEvent::Type EventType = static_cast<QEvent::Type>(QEvent::User + 10);
    explicit AppEvent(const QVariant& data) : QEvent(EventType), data_(data) {}
    QVariant data() const { return data_; }

private:
    QVariant data_;
};
