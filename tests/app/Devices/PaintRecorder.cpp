#include "PaintRecorder.h"

#include <QPixmap>

class PaintRecorder::Engine : public QPaintEngine {
public:
    explicit Engine(PaintRecorder* device) : QPaintEngine(QPaintEngine::AllFeatures), device_(device) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF&, const QPixmap& pixmap, const QRectF&) override { device_->images << pixmap.toImage(); }
    void drawImage(const QRectF&, const QImage& image, const QRectF&, Qt::ImageConversionFlags) override
    {
        device_->images << image;
    }
    void drawTextItem(const QPointF&, const QTextItem& item) override { device_->texts << item.text(); }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}

private:
    PaintRecorder* device_;
};

PaintRecorder::PaintRecorder(int width, int height)
    : engine_(std::make_unique<Engine>(this)), width_(width), height_(height)
{
}

PaintRecorder::~PaintRecorder() = default;

QPaintEngine* PaintRecorder::paintEngine() const
{
    return engine_.get();
}

int PaintRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return width_;
    case PdmHeight: return height_;
    case PdmWidthMM: return width_ * 254 / 960;
    case PdmHeightMM: return height_ * 254 / 960;
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return 96;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}
