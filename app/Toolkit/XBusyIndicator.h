#pragma once

#include <QWidget>
#include <memory>

// The spinner: one picture turned about the widget centre in 20-degree steps.
class XBusyIndicator : public QWidget
{
    Q_OBJECT
public:
    explicit XBusyIndicator(QWidget* parent = nullptr);
    ~XBusyIndicator() override;

    void setPixmap(const QString& path, const QSize& size);
    void setPixmapSize(const QSize& size);
    void start(int intervalMs);
    void stop();

    int angle() const;
    int interval() const;
    QSize pixmapSize() const;
    bool isSpinning() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
