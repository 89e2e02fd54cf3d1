#pragma once
#include <QString>

class QImage;
class QPixmap;
class QWidget;

// Writes the pictures of one run as "<name>.png" into its folder: each path
// written goes to stdout (the screenshot tests count them), each failure to
// stderr.
class ShotWriter {
public:
    explicit ShotWriter(QString folder);

    bool save(const QPixmap& picture, const QString& name);
    bool save(const QImage& picture, const QString& name);
    // Shows the widget, hands the event loop `rounds` rounds, then saves its picture.
    bool take(QWidget& widget, const QString& name, int rounds = 5);

    int written() const { return m_written; }
    int failures() const { return m_failures; }

private:
    template <typename Picture>
    bool write(const Picture& picture, const QString& name);

    QString m_folder;
    int m_written = 0;
    int m_failures = 0;
};
