#pragma once
#include <QString>
#include <QTemporaryDir>

class QCoreApplication;

// Settings and logs of a screenshot run stay in a scratch folder; made before
// the application object, which reads them at its start.
class ScratchHome {
public:
    ScratchHome();

private:
    QTemporaryDir m_dir;
};

// The folder "--out" names, made if missing; empty where it cannot be made.
// Without "--out" the help is shown and the process ends with code 2.
QString shotsFolder(QCoreApplication& app, const QString& description = QString(),
                    const QString& outHelp = QStringLiteral("Write the PNGs into <folder>."));

// Hands the event loop a few rounds so layouts and repaints land.
void processEventRounds(int rounds);

// Runs the event loop for a while, for timers and animations.
void settleFor(int ms);
