#include "DeepScan/CarvedImage.h"

#include "support/ProbeOutput.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

namespace CarvingTest {

using TestSupport::Quote;

std::map<uint64_t, CarvedEntry> CarveImage(const std::string& image, const std::string& outDir)
{
    std::string out;
    const int status = TestSupport::RunCommand(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() +
                                                   " scan --disk 0 --volume 0 2>/dev/null",
                                               &out);
    EXPECT_EQ(status, 0) << out.substr(0, 2000);
    std::map<uint64_t, CarvedEntry> carved;
    for (const auto& line : TestSupport::ParseJsonLines(out)) {
        EXPECT_TRUE(line.contains("t"));
        if (line["kind"] != "CarvedFile")
            continue;
        const uint64_t offset = line["runs"][0][0].get<uint64_t>();
        carved[offset] = {line["path"].get<std::string>(), line["fileSize"].get<uint64_t>()};
    }
    const std::string found = outDir + ".jsonl";
    std::ofstream(found) << out;
    TestSupport::RunOrFail(TestSupport::ImagesOnlyEnvironment(image) + TestSupport::ProbePath() + " recover --out " +
                           Quote(outDir) + " < " + Quote(found) + " >/dev/null");
    return carved;
}

std::map<uint64_t, std::vector<std::string>> PhotorecImage(const std::string& image, const std::string& workDir)
{
    std::filesystem::create_directories(workDir);
    // photorec writes its log into the working folder and f<sector>.<ext> into photorec.1, .2, ...
    TestSupport::RunOrFail("cd " + Quote(workDir) + " && photorec /log /d " + Quote(workDir + "/photorec") + " /cmd " +
                           Quote(image) + " partition_none,fileopt,everything,enable,search >/dev/null");
    std::map<uint64_t, std::vector<std::string>> files;
    for (const auto& folder : std::filesystem::directory_iterator(workDir)) {
        // photorec.log starts the same way: only the numbered folders hold files.
        if (!folder.is_directory() || folder.path().filename().string().rfind("photorec.", 0) != 0)
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            const std::string name = entry.path().filename().string();
            if (name.size() > 1 && name[0] == 'f' && std::isdigit(static_cast<unsigned char>(name[1])))
                files[std::stoull(name.substr(1)) * 512].push_back(entry.path().string());
        }
    }
    return files;
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}
