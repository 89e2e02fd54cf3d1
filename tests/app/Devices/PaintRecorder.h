#pragma once
// A paint device that keeps what was drawn on it: the texts and the pictures,
// so a delegate's tile can be read back as the user would see it.
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QStringList>

#include <memory>

class PaintRecorder : public QPaintDevice {
public:
    PaintRecorder(int width, int height);
    ~PaintRecorder() override;

    QPaintEngine* paintEngine() const override;

    QStringList texts;
    QList<QImage> images;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    std::unique_ptr<Engine> engine_;
    int width_, height_;
};
