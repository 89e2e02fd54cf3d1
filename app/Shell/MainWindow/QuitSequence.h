#pragma once

#include <functional>

// What runs between "the user agreed to quit" and the end of the process.
// Subsystems register hooks for their stage; the stages always run in this
// order, whatever order the hooks were registered in: the engine's work is
// stopped before the thumbnail engine and the document manager, which may be
// inside the engine, are shut down, and only then is the engine released.
namespace QuitSequence {

enum class Stage {
    StopEngineWork = 0,     // SetStop for scanning and recovering
    ShutDownThumbnails = 1, // thumbnail engine: stop and wait for its read in flight
    ShutDownDocuments = 2,  // document manager thread
    ReleaseEngine = 3,      // ReleaseDataRecovery
    WaitForAnalytics = 4,   // up to 800 ms for queued analytics events
};

void addHook(Stage stage, std::function<void()> hook);
// Runs every hook by stage (hooks of one stage in registration order).
void runHooks();
// For tests: forget every hook.
void clearHooks();

} // namespace QuitSequence
