#include "explorer/Favorites.h"

#include "base/TextFile.h"
#include "testing/RecordingMessenger.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::writeBytes;
using Lines = std::vector<std::string>;
using Events = std::vector<std::string>;

namespace {

class FavoritesTest : public ::testing::Test {
  protected:
    TempFolder folder;
    WorkFolder work{folder.path()};
    FavoriteStore store{work};
    RecordingMessenger messenger;

    Lines nameLines() { return readTextLines(folder / "FavoriteNames.clx"); }
    Lines addressLines() { return readTextLines(folder / "FavoriteURLs.clx"); }
    void addThree() {
        ASSERT_TRUE(store.add("One", "http://one/", messenger));
        ASSERT_TRUE(store.add("Two", "http://two/", messenger));
        ASSERT_TRUE(store.add("Three", "http://three/", messenger));
    }
};

} // namespace

TEST_F(FavoritesTest, AddingWithoutFilesCreatesBothAligned) {
    EXPECT_TRUE(store.names().empty());
    EXPECT_EQ(store.addressOf(1), std::nullopt); // no address file: nothing happens
    addThree();
    EXPECT_EQ(readBytes(folder / "FavoriteNames.clx"), "One\r\nTwo\r\nThree\r\n");
    EXPECT_EQ(readBytes(folder / "FavoriteURLs.clx"),
              "http://one/\r\nhttp://two/\r\nhttp://three/\r\n");
    EXPECT_EQ(store.addressOf(2), "http://two/");
    EXPECT_EQ(store.addressOf(4), ""); // a missing line gives an empty address
    EXPECT_TRUE(messenger.events().empty());
}

TEST_F(FavoritesTest, DuplicateNameIsRefusedButOtherLetterCaseIsNot) {
    addThree();
    EXPECT_FALSE(store.add("Two", "http://elsewhere/", messenger));
    EXPECT_EQ(messenger.events(),
              (Events{"tone: error", "plain: The name is already used. Specify a new name."}));
    EXPECT_EQ(addressLines().size(), 3u);
    EXPECT_TRUE(store.add("TWO", "http://two-upper/", messenger));
    EXPECT_EQ(nameLines(), (Lines{"One", "Two", "Three", "TWO"}));
    EXPECT_EQ(store.addressOf(4), "http://two-upper/");
}

TEST_F(FavoritesTest, DeletingTheSecondOfThreeKeepsBothFilesAligned) {
    addThree();
    int remembered = 0;
    FavoriteNameEditor editor(store, remembered);
    ASSERT_TRUE(editor.remove(1));
    // The address goes at once, the name when the dialog closes.
    EXPECT_EQ(addressLines(), (Lines{"http://one/", "http://three/"}));
    EXPECT_EQ(nameLines().size(), 3u);
    EXPECT_FALSE(editor.remove(-1));
    editor.close();
    EXPECT_EQ(nameLines(), (Lines{"One", "Three"}));
    EXPECT_EQ(store.addressOf(2), "http://three/");
}

TEST_F(FavoritesTest, RenamingChangesOnlyThatNameLine) {
    addThree();
    std::string addressesBefore = readBytes(folder / "FavoriteURLs.clx");
    int remembered = 0;
    FavoriteNameEditor editor(store, remembered);
    editor.listClosed(2);
    EXPECT_TRUE(editor.accept("Third site", messenger));
    EXPECT_EQ(nameLines().back(), "Three"); // nothing written before closing
    editor.close();
    EXPECT_EQ(nameLines(), (Lines{"One", "Two", "Third site"}));
    EXPECT_EQ(readBytes(folder / "FavoriteURLs.clx"), addressesBefore);
    EXPECT_EQ(messenger.events(), (Events{"tone: exclamation"}));
    EXPECT_EQ(remembered, 2); // kept for the next opening of the dialog
}

TEST_F(FavoritesTest, AcceptWithoutNameOrPositionIsIgnored) {
    addThree();
    int remembered = 0;
    FavoriteNameEditor editor(store, remembered);
    EXPECT_FALSE(editor.accept("", messenger));
    editor.listClosed(-1); // list closed with nothing chosen
    EXPECT_FALSE(editor.accept("New name", messenger));
    editor.listClosed(1);
    ASSERT_TRUE(editor.remove(2));
    ASSERT_TRUE(editor.remove(1));
    EXPECT_FALSE(editor.accept("Gone", messenger)); // the remembered favourite was deleted
    editor.close();
    EXPECT_EQ(messenger.events(), (Events(3, "tone: exclamation")));
    EXPECT_EQ(nameLines(), (Lines{"One"}));
    EXPECT_EQ(addressLines(), (Lines{"http://one/"}));
}

TEST_F(FavoritesTest, NamesWithLineBreaksStayOneLine) {
    ASSERT_TRUE(store.add("Two\r\nlines", "http://x/\n", messenger));
    EXPECT_EQ(nameLines(), (Lines{"Two  lines"}));
    EXPECT_EQ(addressLines(), (Lines{"http://x/ "}));
}

// Adding pads a short address file; closing the editor cuts a long one.
TEST_F(FavoritesTest, MisalignedAddressFileIsRealigned) {
    writeBytes(folder / "FavoriteNames.clx", "A\r\nB\r\n");
    writeBytes(folder / "FavoriteURLs.clx", "http://a/\r\n");
    ASSERT_TRUE(store.add("C", "http://c/", messenger));
    EXPECT_EQ(addressLines(), (Lines{"http://a/", "", "http://c/"}));
    EXPECT_EQ(store.addressOf(3), "http://c/");

    writeBytes(folder / "FavoriteNames.clx", "A\r\n");
    int remembered = 0;
    FavoriteNameEditor editor(store, remembered);
    editor.close();
    EXPECT_EQ(addressLines(), (Lines{"http://a/"}));
}
