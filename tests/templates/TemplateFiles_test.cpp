#include "templates/TemplateFiles.h"

#include <gtest/gtest.h>

using namespace climora;

namespace {
using Lines = std::vector<std::string>;
const Lines a = {"A", "1", "v", "u"};
const Lines b = {"B", "2", "w", "x"};

Lines join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}
} // namespace

TEST(RewriteBlocks, DropsOrRenamesEveryBlockOfTheNameAndAllEmptyLines) {
    Lines spaced = join({{""}, a, {"", ""}, b, {""}, a});
    EXPECT_EQ(rewriteBlocks(spaced, "A", std::nullopt, true), b);
    Lines tight = join({a, b, a});
    EXPECT_EQ(rewriteBlocks(tight, "A", std::nullopt, false), b);
    EXPECT_EQ(rewriteBlocks(tight, "A", std::string("Z"), false),
              join({{"Z", "1", "v", "u"}, b, {"Z", "1", "v", "u"}}));
    // Numbers lines are copied, never taken for names.
    EXPECT_EQ(rewriteBlocks(tight, "1", std::nullopt, false), tight);
}

TEST(RewriteBlocks, EndWhereABlockShouldStartIsBrokenUnlessAllowed) {
    EXPECT_EQ(rewriteBlocks({}, "A", std::nullopt, false), std::nullopt);
    EXPECT_EQ(rewriteBlocks({"", ""}, "A", std::nullopt, false), std::nullopt);
    EXPECT_EQ(rewriteBlocks(join({a, {""}}), "A", std::nullopt, false), std::nullopt);
    EXPECT_EQ(rewriteBlocks({}, "A", std::nullopt, true), Lines{});
    EXPECT_EQ(rewriteBlocks(join({a, {"", ""}}), "B", std::nullopt, true), a);
    // A name line without its three lines is broken either way.
    EXPECT_EQ(rewriteBlocks(join({a, {"B"}}), "A", std::nullopt, true), std::nullopt);
    EXPECT_EQ(rewriteBlocks(join({a, {"B", "2", "w"}}), "A", std::nullopt, true), std::nullopt);
}
