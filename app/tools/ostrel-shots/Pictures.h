#pragma once

#include <QString>

// Stand-in pictures drawn by the tool, so that image-driven widgets show
// something in review shots; the program's own artwork lives in its resources.
struct ShotPictures {
    QString spinner;
    QString ringBackground;
    QString ringFinished;
    QString ringFailed;
    QString icon;
    QString iconHover;
    QString animation; // empty when no animated picture could be written
};

ShotPictures writeShotPictures(const QString& folder);
