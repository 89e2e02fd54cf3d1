#pragma once
// The end of a scan or an export turned into its summary dialog or disk
// message. One handler per completion, used once; isSuccess decides the
// analytics event that follows. isRecovery tells an export (true) from a scan.
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

template <typename... Args>
class RecoveryCompletionHandler {
public:
    virtual ~RecoveryCompletionHandler() = default;
    virtual void handle(bool isRecovery, Args... args) = 0;
    virtual bool isSuccess() const = 0;
};

template <typename... Args>
class SuccessHandler;
template <typename... Args>
class SourceDiskErrorHandler;
template <typename... Args>
class TargetDiskErrorHandler;

// An export without a failed file. After the user's Stop it reports the stop,
// and with files written from guessed or cut data it says how many: neither
// counts as a success.
template <>
class SuccessHandler<> : public RecoveryCompletionHandler<> {
public:
    explicit SuccessHandler(QWidget* parent, bool stopped = false, int incompleteCount = 0)
        : parent_(parent), stopped_(stopped), incomplete_(incompleteCount)
    {
    }
    void handle(bool isRecovery) override;
    bool isSuccess() const override { return !stopped_ && incomplete_ == 0; }

private:
    QPointer<QWidget> parent_;
    bool stopped_;
    int incomplete_;
};

// A scan that ended normally: (total bytes, file count) found.
template <>
class SuccessHandler<const quint64&, const quint64&> : public RecoveryCompletionHandler<const quint64&, const quint64&> {
public:
    explicit SuccessHandler(QWidget* parent) : parent_(parent) {}
    void handle(bool isRecovery, const quint64& totalBytes, const quint64& fileCount) override;
    bool isSuccess() const override { return true; }

private:
    QPointer<QWidget> parent_;
};

// An export that could not read some files: (totalErrorCount, the lost disks' names).
template <>
class SourceDiskErrorHandler<const int&, const QString&> : public RecoveryCompletionHandler<const int&, const QString&> {
public:
    explicit SourceDiskErrorHandler(QWidget* parent, int incompleteCount = 0)
        : parent_(parent), incomplete_(incompleteCount)
    {
    }
    void handle(bool isRecovery, const int& totalErrorCount, const QString& description) override;
    bool isSuccess() const override { return false; }

private:
    QPointer<QWidget> parent_;
    int incomplete_;
};

// A scan that lost disks: (totalErrorCount, names, total bytes, file count).
template <>
class SourceDiskErrorHandler<const int&, const QString&, const quint64&, const quint64&>
    : public RecoveryCompletionHandler<const int&, const QString&, const quint64&, const quint64&> {
public:
    explicit SourceDiskErrorHandler(QWidget* parent) : parent_(parent) {}
    void handle(bool isRecovery, const int& totalErrorCount, const QString& description, const quint64& totalBytes,
                const quint64& fileCount) override;
    bool isSuccess() const override { return false; }

private:
    QPointer<QWidget> parent_;
};

// The export disk went away, or is full: (description, totalErrorCount).
template <>
class TargetDiskErrorHandler<const QString&, const int&> : public RecoveryCompletionHandler<const QString&, const int&> {
public:
    explicit TargetDiskErrorHandler(QWidget* parent, bool full = false) : parent_(parent), full_(full) {}
    void handle(bool isRecovery, const QString& description, const int& totalErrorCount) override;
    bool isSuccess() const override { return false; }

private:
    QPointer<QWidget> parent_;
    bool full_;
};

// The handler an errorType (0 none, 1 source disk, 2 target disk, 3 target full) picks,
// run to its end; the completion's success, or none (no dialog) for another errorType.
std::optional<bool> handleRecoveryCompletion(QWidget* parent, int errorType, const QString& description,
                                             int totalErrorCount, bool stopped, int incompleteCount = 0);
std::optional<bool> handleScanCompletion(QWidget* parent, int errorType, const QString& description,
                                         int totalErrorCount, quint64 totalBytes, quint64 fileCount);

QString sourceDiskDisconnectedText();
QString targetDiskDisconnectedText();
QString targetDiskFullText();
