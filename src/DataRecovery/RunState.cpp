#include "DataRecovery/RunState.h"

#include "DataRecovery/Exceptions.h"

#include <chrono>
#include <thread>

void PollRunState(const std::atomic<int>& state, std::atomic<uint64_t>* pausedPolls)
{
    int value = state.load(std::memory_order_relaxed);
    while (value == static_cast<int>(RunState::Pause)) {
        if (pausedPolls)
            pausedPolls->fetch_add(1, std::memory_order_relaxed);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        value = state.load(std::memory_order_relaxed);
    }
    if (value == static_cast<int>(RunState::Stop))
        throw Exceptions::ProcessControllerException("Process stopped by user.");
}
