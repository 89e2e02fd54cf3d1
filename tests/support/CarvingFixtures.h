#pragma once
// The real files the carving tests and fuzzers use, made once per machine by
// scripts/make-carving-fixtures.sh and shared by every build.
#include <cstdint>
#include <string>
#include <vector>

namespace TestSupport {

struct CarvingFixture {
    std::string file;
    int32_t typeId = -1;
    // The format ends only where the following bytes stop looking like it.
    bool readsOn = false;
    // Where the signature block lies in the file (an ISO's descriptor is 32 KiB in).
    uint64_t signatureOffset = 0;
};

// The folder holding the fixtures; empty (and a failed test) when they could not be made.
std::string CarvingFixtureDir();
std::vector<CarvingFixture> CarvingFixtures();
std::vector<uint8_t> ReadFileBytes(const std::string& path);

}
