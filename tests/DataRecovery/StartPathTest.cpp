// The start-path rules every engine shares: which prefixes name the volume,
// how the rest splits, and which missing folder is an error.
#include "DataRecovery/StartPath.h"

#include <gtest/gtest.h>

#include <map>

using Components = std::vector<std::string>;

TEST(StartPath, PrefixesOfTheVolume)
{
    struct Case {
        std::string letter;
        std::string path;
        std::optional<Components> expected;
    };
    const Components dcim{"DCIM", "100CANON"};
    for (const Case& c : std::vector<Case>{
             {"", "X:\\DCIM\\100CANON", dcim},
             {"", "x:/DCIM//100CANON/", dcim},
             {"", "\\DCIM\\.\\100CANON", dcim},
             {"/media/me/card/", "/media/me/card/DCIM/100CANON", dcim},
             {"/media/me/card/", "/media/me/card", Components{}},
             {"/media/me/card/", "/media/me/card/$RECYCLE.BIN", Components{"$RECYCLE.BIN"}},
             {"1", "1$RECYCLE.BIN", Components{"$RECYCLE.BIN"}},
             {"1", "1DCIM\\100CANON", dcim},
             {"1", "1", Components{}},
             {"12", "12\\DCIM\\100CANON", dcim},
             {"", "X:", Components{}},
             {"", "DCIM", std::nullopt},
             {"", "C:DCIM", std::nullopt},
             {"", "", std::nullopt},
             {"1", "2DCIM", std::nullopt},
         }) {
        EXPECT_EQ(StartPath::Split(c.path, c.letter), c.expected) << c.letter << " " << c.path;
    }
}

TEST(StartPath, OnlyTheRootsRecycleBinMayBeMissing)
{
    // folder 1 holds "a" (2), which holds "b" (3).
    const std::map<std::pair<uint64_t, std::string>, uint64_t> tree{{{1, "a"}, 2}, {{2, "b"}, 3}};
    auto find = [&](uint64_t folder, const std::string& name) -> std::optional<uint64_t> {
        auto it = tree.find({folder, name});
        return it == tree.end() ? std::nullopt : std::optional<uint64_t>(it->second);
    };
    auto found = StartPath::Resolve({"a", "b"}, 1, find);
    EXPECT_EQ(found.folder, 3u);
    EXPECT_TRUE(found.missing.empty());
    EXPECT_FALSE(found.noRecycleBin);
    EXPECT_EQ(StartPath::Resolve({}, 1, find).folder, 1u);

    const auto bin = StartPath::Resolve({"$Recycle.Bin"}, 1, find);
    EXPECT_TRUE(bin.noRecycleBin);
    EXPECT_TRUE(bin.missing.empty());
    const auto deeper = StartPath::Resolve({"a", "$RECYCLE.BIN"}, 1, find);
    EXPECT_FALSE(deeper.noRecycleBin);
    EXPECT_EQ(deeper.missing, "$RECYCLE.BIN");
    const auto inside = StartPath::Resolve({"$RECYCLE.BIN", "S-1-5-21"}, 1, find);
    EXPECT_FALSE(inside.noRecycleBin);
    EXPECT_EQ(inside.missing, "$RECYCLE.BIN");
    const auto missing = StartPath::Resolve({"a", "nope", "b"}, 1, find);
    EXPECT_EQ(missing.missing, "nope");
}

TEST(StartPath, NamesCompareIgnoringCase)
{
    EXPECT_TRUE(StartPath::SameNameIgnoringCase("Ünïcödé Ordner", "üNÏCÖDÉ ORDNER"));
    EXPECT_FALSE(StartPath::SameNameIgnoringCase("abc", "abcd"));
    EXPECT_TRUE(StartPath::SameNameIgnoringCase("a\xff", "A\xff"));
    EXPECT_FALSE(StartPath::SameNameIgnoringCase("a\xff", "a\xfe"));
    const auto& table = StartPath::BuiltInUpcase();
    EXPECT_TRUE(StartPath::SameNameUpcased(u"$Recycle.Bin", u"$RECYCLE.BIN", table));
    EXPECT_TRUE(StartPath::SameNameUpcased(u"straße ωμέγα", u"STRAßE ΩΜΈΓΑ", table));
    EXPECT_FALSE(StartPath::SameNameUpcased(u"a", u"b", table));
    // Surrogates are no letters: a name outside the BMP matches only itself.
    EXPECT_TRUE(StartPath::SameNameUpcased(u"\U0001F600x", u"\U0001F600X", table));
    // A volume's own table decides, however odd.
    StartPath::UpcaseTable odd(128);
    for (size_t i = 0; i < odd.size(); ++i)
        odd[i] = static_cast<uint16_t>(i);
    EXPECT_FALSE(StartPath::SameNameUpcased(u"a", u"A", odd));
    odd['a'] = 'B';
    EXPECT_TRUE(StartPath::SameNameUpcased(u"a", u"B", odd));
}
