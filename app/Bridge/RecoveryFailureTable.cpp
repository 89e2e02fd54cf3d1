#include "RecoveryFailureTable.h"

#include "DocumentManager.h"

bool RecoveryFailureTable::note(quint64 volumeKey, int resultCode)
{
    if (resultCode == stoppedCode)
        return false;
    if (resultCode != 0) {
        codes_[volumeKey] = resultCode;
        lastCode_ = resultCode;
    }
    return true;
}

bool RecoveryFailureTable::isTargetDiskError(int resultCode)
{
    return resultCode == 9 || resultCode == 10 || resultCode == 11 || resultCode == 13;
}

int RecoveryFailureTable::errorType() const
{
    if (codes_.empty())
        return DocumentManager::NoError;
    if (lastCode_ == diskFullCode)
        return DocumentManager::TargetDiskFull;
    // Disk-gone (8) and every code without a disk meaning: the file could not be read.
    return isTargetDiskError(lastCode_) ? DocumentManager::TargetDiskError : DocumentManager::SourceDiskError;
}
