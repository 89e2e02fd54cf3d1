#pragma once
// Display names of disk, partition and media codes. None fails: a code a table
// does not list gives that table's fallback text.
#include <array>
#include <cstdint>
#include <string>

std::string GetSmartAttributeName(uint32_t id);
std::string GetSmartCapabilityNames(uint32_t bits);
std::string GetIdeDeviceMapName(uint32_t bit);
std::string GetDriveTypeName(uint32_t type);
std::string GetMediaTypeName(uint32_t type);
std::string GetPartitionStyleName(int32_t style);
std::string GetMbrPartitionTypeName(uint32_t type);
// guid in the on-disk layout of a GPT entry's type field.
std::string GetGptPartitionTypeName(const std::array<uint8_t, 16>& guid);
