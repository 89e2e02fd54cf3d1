#pragma once
// Usage events to a collection server speaking the GA4 Measurement Protocol
// (HTTP GET "/g/collect?v=2..." with every parameter in the query). Events
// queue up and one worker of Qt's global pool sends them in order, so no
// caller waits for the network. Without a server address nothing is sent.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <memory>

class GaService : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString measurementId READ measurementId WRITE setMeasurementId NOTIFY measurementIdChanged)
public:
    // collectionServer: "http://host:port" (or empty: the service is off).
    GaService(const QString& collectionServer, const QString& measurementId, QObject* parent = nullptr);
    ~GaService() override;

    Q_INVOKABLE void sendEvent(const QString& event, const QStringList& parameters, bool debug = false);
    Q_INVOKABLE void sendSystemInfo();

    QString measurementId() const;
    void setMeasurementId(const QString& id);

    // Dimensions cd2-cd6, each sent with every event.
    void setDimensions(const QString& productVersion, const QString& installSource, const QString& boardSerial,
                       const QString& operatingSystem);

    bool isEnabled() const;
    bool isSending() const;
    QString clientId() const;

    // Waits up to ms (in 100 ms steps, events flowing) for the queue to drain;
    // a worker still busy then stops before its next request.
    void waitForEvents(int ms);
    // Tells the worker to stop before its next queued event and aborts the
    // request in flight: the application's teardown waits for the worker,
    // which would otherwise sit out a silent server's timeout once per event.
    void abandonPending();
    // abandonPending, then waits for the worker to end.
    void stop();

    // Per request; 10 s unless a test shortens it.
    void setTransferTimeout(int ms);

    // The machine id's bytes as signed decimal numbers, cut to "15.15"; empty
    // when there is no machine id.
    static QString clientIdFromMachineId(const QByteArray& machineId);
    // That, or a random id made once and kept in the default settings store.
    static QString clientIdFor(const QByteArray& machineId);

signals:
    void measurementIdChanged(QString id);

private:
    struct GaServiceImpl;
    void work();
    std::unique_ptr<GaServiceImpl> d;
};

// The process's one service, made on first use from the configured endpoints.
GaService* gaService();

void sendGaEvent(const QString& category, const QString& action, const QString& label = QString(),
                 const QVariant& value = QVariant(), const QVariantMap& parameters = QVariantMap());
void sendGaEventLabel(const char* category, const char* action, const char* label);
void sendGaEventAction(const char* category, const char* action);
void waitForGaEvents(int ms);

// Tests read what the windows send: while set, every sendGaEvent also goes to
// the recorder as (category, action, label, value); an empty one stops it.
using GaEventRecorder = std::function<void(const QString& category, const QString& action, const QString& label,
                                           const QString& value)>;
void setGaEventRecorder(GaEventRecorder recorder);
