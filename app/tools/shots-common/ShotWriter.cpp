#include "ShotWriter.h"

#include "ShotRun.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

ShotWriter::ShotWriter(QString folder) : m_folder(std::move(folder)) {}

bool ShotWriter::save(const QPixmap& picture, const QString& name)
{
    return write(picture, name);
}

bool ShotWriter::save(const QImage& picture, const QString& name)
{
    return write(picture, name);
}

bool ShotWriter::take(QWidget& widget, const QString& name, int rounds)
{
    widget.show();
    processEventRounds(rounds);
    return save(widget.grab(), name);
}

template <typename Picture>
bool ShotWriter::write(const Picture& picture, const QString& name)
{
    const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++m_failures;
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
    ++m_written;
    return true;
}
