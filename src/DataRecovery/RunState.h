#pragma once
// The value of a run-state integer that every scan and recovery loop polls
// between units of work; written by Pause/SetRun/SetStop from any thread.
#include <atomic>
#include <cstdint>
#include <memory>

enum class RunState : int {
    Run = 0,
    Stop = 1,
    Pause = 2,
};

using SharedRunState = std::shared_ptr<std::atomic<int>>;

// Waits while the state says pause (100 ms per check) and throws
// Exceptions::ProcessControllerException "Process stopped by user." on stop.
// Each wait at Pause adds one to pausedPolls when given: a paused loop's
// acknowledgement, so a controller can tell a held loop from a slow one.
void PollRunState(const std::atomic<int>& state, std::atomic<uint64_t>* pausedPolls = nullptr);
