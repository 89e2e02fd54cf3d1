#include "RecoveryCompletionHandler.h"

#include "RecoveryCompleteDialog.h"
#include "ScanCompleteDialog.h"
#include "XMessageBox.h"

#include <QCoreApplication>

namespace {

void showMessage(QWidget* parent, const QString& text)
{
    XMessageBox::information(parent, QString(), text, {QCoreApplication::translate("RecoveryCompletionHandler", "OK")}, 1);
}

void runRecoveryCompleteDialog(QWidget* parent, const QString& disks, RecoveryCompleteDialog::Outcome outcome,
                               int incompleteCount = 0)
{
    RecoveryCompleteDialog dialog(disks, parent, outcome, incompleteCount);
    dialog.setModal(true);
    dialog.exec();
}

void showScanCompleteDialog(QWidget* parent, quint64 totalBytes, quint64 fileCount, const QString& disks)
{
    auto* dialog = new ScanCompleteDialog(totalBytes, fileCount, disks, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    dialog->show();
}

}

QString sourceDiskDisconnectedText()
{
    return QCoreApplication::translate("RecoveryCompletionHandler", "The scanned disk has been disconnected. Please reconnect the disk and scan the data again.");
}

QString targetDiskDisconnectedText()
{
    return QCoreApplication::translate("RecoveryCompletionHandler", "The export disk has been disconnected. Please export the data again.");
}

QString targetDiskFullText()
{
    return QCoreApplication::translate("RecoveryCompletionHandler", "The export disk is full. Please free some space on it or choose another location, then export the data again.");
}

void SuccessHandler<>::handle(bool isRecovery)
{
    if (!isRecovery)
        return;
    const auto outcome = stopped_         ? RecoveryCompleteDialog::Stopped
                         : incomplete_ > 0 ? RecoveryCompleteDialog::Incomplete
                                           : RecoveryCompleteDialog::Succeeded;
    runRecoveryCompleteDialog(parent_, QString(), outcome, incomplete_);
}

void SuccessHandler<const quint64&, const quint64&>::handle(bool isRecovery, const quint64& totalBytes,
                                                            const quint64& fileCount)
{
    if (isRecovery)
        runRecoveryCompleteDialog(parent_, QString(), RecoveryCompleteDialog::Succeeded);
    else
        showScanCompleteDialog(parent_, totalBytes, fileCount, QString());
}

void SourceDiskErrorHandler<const int&, const QString&>::handle(bool isRecovery, const int& totalErrorCount,
                                                                const QString& description)
{
    if (!isRecovery)
        return;
    if (totalErrorCount == 1)
        showMessage(parent_, sourceDiskDisconnectedText());
    else
        runRecoveryCompleteDialog(parent_, description, RecoveryCompleteDialog::Incomplete, incomplete_);
}

void SourceDiskErrorHandler<const int&, const QString&, const quint64&, const quint64&>::handle(
    bool isRecovery, const int& totalErrorCount, const QString& description, const quint64& totalBytes,
    const quint64& fileCount)
{
    if (isRecovery)
        return;
    if (totalErrorCount == 1)
        showMessage(parent_, sourceDiskDisconnectedText());
    else
        showScanCompleteDialog(parent_, totalBytes, fileCount, description);
}

void TargetDiskErrorHandler<const QString&, const int&>::handle(bool isRecovery, const QString& description,
                                                                const int& totalErrorCount)
{
    Q_UNUSED(isRecovery)
    Q_UNUSED(description)
    Q_UNUSED(totalErrorCount)
    showMessage(parent_, full_ ? targetDiskFullText() : targetDiskDisconnectedText());
}

std::optional<bool> handleRecoveryCompletion(QWidget* parent, int errorType, const QString& description,
                                             int totalErrorCount, bool stopped, int incompleteCount)
{
    switch (errorType) {
    case 0: {
        SuccessHandler<> handler(parent, stopped, incompleteCount);
        handler.handle(true);
        return handler.isSuccess();
    }
    case 1: {
        SourceDiskErrorHandler<const int&, const QString&> handler(parent, incompleteCount);
        handler.handle(true, totalErrorCount, description);
        return handler.isSuccess();
    }
    case 2:
    case 3: {
        TargetDiskErrorHandler<const QString&, const int&> handler(parent, errorType == 3);
        handler.handle(true, description, totalErrorCount);
        return handler.isSuccess();
    }
    default:
        return std::nullopt;
    }
}

std::optional<bool> handleScanCompletion(QWidget* parent, int errorType, const QString& description,
                                         int totalErrorCount, quint64 totalBytes, quint64 fileCount)
{
    switch (errorType) {
    case 0: {
        SuccessHandler<const quint64&, const quint64&> handler(parent);
        handler.handle(false, totalBytes, fileCount);
        return handler.isSuccess();
    }
    case 1: {
        SourceDiskErrorHandler<const int&, const QString&, const quint64&, const quint64&> handler(parent);
        handler.handle(false, totalErrorCount, description, totalBytes, fileCount);
        return handler.isSuccess();
    }
    case 2: {
        TargetDiskErrorHandler<const QString&, const int&> handler(parent);
        handler.handle(false, description, totalErrorCount);
        return handler.isSuccess();
    }
    default:
        return std::nullopt;
    }
}
