// velmora-probe list: one JSON line per record GetLocalDiskAndVolumeInfo returns.
#include "Commands.h"

#include "DataRecovery/VelmoraExports.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace {

nlohmann::json ToJson(const DiskAndVolumeInfo& info)
{
    return {
        {"diskName", info.diskName},
        {"diskModel", info.diskModel},
        {"volumeLetter", info.volumeLetter},
        {"label", info.label},
        {"volumePath", info.volumePath},
        {"fileSystem", info.fileSystem},
        {"startOffset", info.startOffset},
        {"endOffset", info.endOffset},
        {"deviceSize", info.deviceSize},
        {"volumeKind", info.volumeKind},
        {"bitLockerStatus", info.bitLockerStatus},
        {"diskIndex", info.diskIndex},
        {"volIndex", info.volIndex},
        {"isExternal", info.isExternal},
        {"isSystem", info.isSystem},
        {"isRemovable", info.isRemovable},
        {"isUnreadable", info.isUnreadable},
    };
}

}

int RunList(const Arguments& args)
{
    if (!args.empty())
        return Fail("usage: velmora-probe list (disk images come from VELMORA_DISK_IMAGES)", 2);
    for (const auto& info : GetLocalDiskAndVolumeInfo()) {
        // Labels and names come from devices: never let bad bytes stop the listing.
        const std::string line = ToJson(info).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        std::printf("%s\n", line.c_str());
    }
    return 0;
}
