#pragma once
#include <QtGlobal>

#include <map>

// The failed volumes of one export run. Every failure counts: a file that was
// not written must never end in a run reported as a success.
class RecoveryFailureTable {
public:
    // The engine's answer for one file of the volume; false when the run must end
    // (the engine was told to stop).
    bool note(quint64 volumeKey, int resultCode);
    // A file written whose data the engine guessed or found cut.
    void noteIncomplete() { ++incomplete_; }
    int incompleteCount() const { return incomplete_; }
    // A RecoveryErrorType: the last failure decides between source and target, and a
    // full target (code 10) is told apart from one that went away.
    int errorType() const;
    int volumeCount() const { return int(codes_.size()); }
    const std::map<quint64, int>& codes() const { return codes_; }

    static constexpr int stoppedCode = 14;
    static constexpr int diskFullCode = 10;
    static bool isTargetDiskError(int resultCode);

private:
    std::map<quint64, int> codes_;
    int lastCode_ = 0;
    int incomplete_ = 0;
};
