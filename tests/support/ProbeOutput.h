#pragma once
// Running build/tools/velmora-probe and reading its JSON Lines.
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace TestSupport {

std::string ProbePath();
// One object per non-empty line.
std::vector<nlohmann::json> ParseJsonLines(const std::string& text);

}
