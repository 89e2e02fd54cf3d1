#include "DataRecovery/RunState.h"

#include "DataRecovery/Exceptions.h"

#include <chrono>
#include <thread>

void PollRunState(const std::atomic<int>& state)
{
    int value = state.load(std::memory_order_relaxed);
    while (value == static_cast<int>(RunState::Pause)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        value = state.load(std::memory_order_relaxed);
    }
    if (value == static_cast<int>(RunState::Stop))
        throw Exceptions::ProcessControllerException("Process stopped by user.");
}
