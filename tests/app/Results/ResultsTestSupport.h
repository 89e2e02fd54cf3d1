#pragma once
// A found-file model ready for events, and one found file sent into it.
#include "DocumentManager.h"
#include "ModelTestSupport.h"

#include <memory>
#include <string>

namespace ResultsTest {

// Longest wait for the model thread to go idle.
inline constexpr int idleTimeout = 20000;

inline std::unique_ptr<DocumentManager> newManager()
{
    auto manager = std::make_unique<DocumentManager>();
    manager->resetForScan(ModelTest::volumeTarget());
    return manager;
}

inline void send(DocumentManager* manager, const std::string& path)
{
    ModelTest::FoundFile f;
    f.path = path;
    manager->onEngineEvent(ModelTest::mountedVolume(), f.info());
}

} // namespace ResultsTest
