#pragma once

#include <QWidget>
#include <memory>

// A small ring with the percentage inside; spins a 40-degree arc while work
// runs, and shows a "finished" or "failed" picture at the end.
class XCircularProgress : public QWidget
{
    Q_OBJECT
public:
    enum State { Running = 0, Paused = 1, Finished = 2, Failed = 3 };

    explicit XCircularProgress(QWidget* parent = nullptr);
    ~XCircularProgress() override;

    void setPixmaps(const QString& background, const QString& finished, const QString& failed);
    void setTextFont(double pointSize, bool bold);
    void setTextFont(const QColor& color, double pointSize, bool bold);
    void setValue(int value);
    void start();
    void pause();
    void showFinished();
    void showFailed();

    int value() const;
    int state() const;
    int angle() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void stopTimer();

    struct Private;
    std::unique_ptr<Private> d;
};
