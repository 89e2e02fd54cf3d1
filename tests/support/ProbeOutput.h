#pragma once
// Running build/tools/velmora-probe and reading its JSON Lines.
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace TestSupport {

std::string ProbePath();
// Environment assignments for a shell command that lists these images alone:
// the machine's own disks are left out, so devices other tests attach
// meanwhile cannot renumber the images.
std::string ImagesOnlyEnvironment(const std::string& images);
// One object per non-empty line.
std::vector<nlohmann::json> ParseJsonLines(const std::string& text);

}
