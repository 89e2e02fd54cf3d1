#pragma once
// One callback record as a JSON object whose keys are the record's field
// names that its kind fills.
#include "DataRecovery/DataRecoveryInfo.h"

#include <nlohmann/json.hpp>

nlohmann::json EventToJson(const DataRecoveryInfo& info);
// One line of text; bytes that are not UTF-8 are replaced, never fatal.
std::string JsonLine(const nlohmann::json& value);
