#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (logout, Ctrl+C, a closed terminal) reach the GUI
// thread through a self-pipe and come out as one signal there.
class SignalRelay : public QObject
{
    Q_OBJECT
public:
    // Catches the signals at once; they wait in the pipe until start().
    explicit SignalRelay(QObject* parent = nullptr);
    ~SignalRelay() override;

    // Delivers waiting and later signals as terminationRequested.
    void start();

signals:
    void terminationRequested(int signalNumber);

private:
    QSocketNotifier* notifier_ = nullptr;
};
