#pragma once
// Runs the carves of one volume over its bytes in order: every carve that has
// started gets every later byte (also of blocks where no carve may start), and
// new carves start at the blocks the caller allows whose first bytes match a
// signature. Finished files come out in start-offset order.
#include "DeepScan/Carving/DataTypeParser.h"

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <vector>

namespace DeepScan {

struct CarvedFile {
    int32_t typeId = -1;
    uint64_t start = 0;
    uint64_t size = 0;
};

class CarveRunner {
public:
    // oneAtATime: no carve starts while one runs, nor inside the blocks it took.
    explicit CarveRunner(uint64_t volumeLength, bool oneAtATime = false);
    ~CarveRunner();

    // Bytes [offset, offset + bytes.size()) of the volume, offset a multiple of
    // 512 and following the previous call's bytes. startAllowed has one entry
    // per 512-byte block of bytes; empty allows every block.
    void Feed(uint64_t offset, std::span<const uint8_t> bytes, const std::vector<bool>& startAllowed = {});
    // The bytes after the last ones fed, for the running carves only.
    void FeedRunning(std::span<const uint8_t> bytes);
    // Bytes every running carve passes over unseen (0 when none runs).
    uint64_t Unseen() const;
    // Counts count bytes (fewer than Unseen()) as fed without reading them.
    void PassOver(uint64_t count);
    // The finished files no running carve started before.
    std::vector<CarvedFile> TakeReady();
    // The volume has ended: carves still running are dropped; the rest comes out.
    std::vector<CarvedFile> Finish();

    size_t RunningCarves() const { return running.size(); }

private:
    struct Carve {
        std::unique_ptr<IDataTypeParser> parser;
        ST_FileInfo info;
    };
    // Hands a carve its next bytes; false once it has stopped.
    bool Give(Carve& carve, std::span<const uint8_t> bytes);

    uint64_t volumeLength;
    bool oneAtATime;
    uint64_t resumeAt = 0;
    std::vector<Carve> running;
    std::multimap<uint64_t, CarvedFile> finished;
};

}
