#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <memory>

// The program's application object: the UI scale every window multiplies its
// design sizes by, the current top-level window that dialogs take as parent,
// and the single-instance guard that decides, before any window exists,
// whether this process is the user's first instance of the program.
class XApplication : public QApplication
{
    Q_OBJECT
public:
    enum Option {
        OptionUserScope = 1,
        OptionNotifySecondary = 4,
        OptionIgnoreVersion = 8,
        OptionIgnorePath = 16,
    };

    // Without the guard: tests and tools.
    XApplication(int& argc, char** argv);
    // With the guard. A further instance that may not run greets the primary
    // and exits with code 0 inside the constructor.
    XApplication(int& argc, char** argv, bool allowSecondary, int options, int timeoutMs,
                 const QString& userData = QString());
    ~XApplication() override;

    // The running XApplication, or null when the process runs a plain QApplication.
    static XApplication* instance();

    QWidget* mainWidget() const { return mainWidget_; }
    void setMainWidget(QWidget* widget) { mainWidget_ = widget; }

    double scaleX = 1.0;
    double scaleY = 1.0;

    // Design sizes to pixels with the running application's scale (1.0 without one).
    static int scaledX(double value);
    static int scaledY(double value);

    bool isSecondary() const;
    // False when no per-user runtime folder was usable and the program runs unguarded.
    bool isGuarded() const;
    quint32 instanceId() const;
    qint64 primaryPid() const;
    QString blockName() const;
    // Where the primary listens: "<runtime folder>/<block name>".
    QString serverPath() const;

signals:
    void instanceStarted();
    void receivedMessage(uint instanceId, QByteArray message);

private:
    void initScale();
    void startGuard(bool allowSecondary, int timeoutMs);
    void becomePrimary();
    bool greetPrimary(qint8 kind, int timeoutMs);
    void acceptConnections();
    void readFrames(class QLocalSocket* socket);

    struct Private;
    std::unique_ptr<Private> d;
    QPointer<QWidget> mainWidget_;
};
