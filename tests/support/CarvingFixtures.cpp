#include "support/CarvingFixtures.h"

#include "support/Tools.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

namespace TestSupport {

std::string CarvingFixtureDir()
{
    static const std::string dir = [] {
        const std::string script = SourceDir() + "/scripts/make-carving-fixtures.sh";
        std::ifstream in(script, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::ostringstream name;
        name << std::filesystem::temp_directory_path().string() << "/velmora-carving-fixtures-" << std::hex
             << std::hash<std::string>{}(text);
        const std::string target = name.str();
        // One maker at a time across parallel test processes and builds.
        const std::string command = "flock " + Quote(target + ".lock") + " sh -c " +
                                    Quote("[ -f " + target + "/.done ] || { rm -rf " + target + ".tmp && bash " +
                                          script + " " + target + ".tmp && rm -rf " + target + " && mv " + target +
                                          ".tmp " + target + " && touch " + target + "/.done; }");
        std::string output;
        if (RunCommand(command + " 2>&1", &output) != 0) {
            ADD_FAILURE() << "making the carving fixtures failed:\n" << output;
            return std::string();
        }
        return target;
    }();
    return dir;
}

std::vector<CarvingFixture> CarvingFixtures()
{
    std::vector<CarvingFixture> fixtures;
    const std::string dir = CarvingFixtureDir();
    if (dir.empty())
        return fixtures;
    std::ifstream manifest(dir + "/manifest.txt");
    CarvingFixture fixture;
    int readsOn = 0;
    while (manifest >> fixture.file >> fixture.typeId >> readsOn >> fixture.signatureOffset) {
        fixture.readsOn = readsOn != 0;
        fixture.file = dir + "/" + fixture.file;
        fixtures.push_back(fixture);
    }
    return fixtures;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}
