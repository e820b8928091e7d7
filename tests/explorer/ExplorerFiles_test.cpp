#include "explorer/ExplorerFiles.h"

#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

TEST(SaveNames, EndInTheFiltersExtensionExactly) {
    EXPECT_EQ(textSaveName("/d/page.txt"), "/d/page.txt");
    EXPECT_EQ(textSaveName("/d/page"), "/d/page.txt");
    EXPECT_EQ(textSaveName("/d/page.TXT"), "/d/page.TXT.txt");
    EXPECT_EQ(textSaveName("/d/page.htm"), "/d/page.htm.txt");
    EXPECT_EQ(textSaveName("/d/page."), "/d/page..txt");
    EXPECT_EQ(textSaveName("/d.x/page"), "/d.x/page.txt"); // a dot in a folder is no extension
    EXPECT_EQ(webArchiveSaveName("/d/page.mht"), "/d/page.mht");
    EXPECT_EQ(webArchiveSaveName("/d/page"), "/d/page.mht");
    EXPECT_EQ(webArchiveSaveName("/d/page.MHT"), "/d/page.MHT.mht");
    EXPECT_EQ(webArchiveSaveName("/d/page.mhtml"), "/d/page.mhtml.mht");
}

TEST(HomePageFile, WrittenAsTwoCrLfLinesAndReadBack) {
    TempFolder folder;
    WorkFolder work(folder.path());
    // Without the file: the search site.
    EXPECT_EQ(readHomePage(work).name, defaultHomePage().name);
    EXPECT_EQ(readHomePage(work).address, defaultHomePage().address);
    EXPECT_FALSE(defaultHomePage().address.empty());

    writeHomePage(work, {"Station", "http://example.org/station"});
    EXPECT_EQ(readBytes(folder / "Homepage.clx"), "Station\r\nhttp://example.org/station\r\n");
    HomePage home = readHomePage(work);
    EXPECT_EQ(home.name, "Station");
    EXPECT_EQ(home.address, "http://example.org/station");
    // A file with the name only gives an empty address.
    writeBytes(folder / "Homepage.clx", "Only a name");
    EXPECT_EQ(readHomePage(work).address, "");
}

TEST(HotLinksFile, ReadsUpToFiveCompleteLinks) {
    TempFolder folder;
    WorkFolder work(folder.path());
    EXPECT_TRUE(readHotLinks(work).empty());
    std::string text;
    for (int i = 1; i <= 6; ++i)
        text += "L" + std::to_string(i) + "\r\ntip " + std::to_string(i) + "\r\nhttp://l" +
                std::to_string(i) + "/\r\n";
    writeBytes(folder / "hotlinks.clx", text); // found in any letter case
    std::vector<HotLink> links = readHotLinks(work);
    ASSERT_EQ(links.size(), 5u);
    EXPECT_EQ(links[4].caption, "L5");
    EXPECT_EQ(links[4].tooltip, "tip 5");
    EXPECT_EQ(links[4].address, "http://l5/");
    EXPECT_EQ(linkAddresses({"Home", "http://h/"}, links),
              (std::vector<std::string>{"http://h/", "http://l1/", "http://l2/", "http://l3/",
                                        "http://l4/", "http://l5/"}));

    // A link without its address is left out.
    writeBytes(folder / "hotlinks.clx", "A\r\ntip A\r\nhttp://a/\r\nB\r\ntip B\r\n");
    links = readHotLinks(work);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].address, "http://a/");
}
