#include "explorer/Navigation.h"

#include <gtest/gtest.h>

using namespace climora;
using Entries = std::vector<std::string>;

namespace {

// A navigation the program starts: the browser announces it at once.
std::optional<std::string> programNavigates(ExplorerNavigation& nav, const std::string& address) {
    nav.startNavigation();
    return nav.announce(address);
}

// Back and Forward put the neighbouring entry into the address box and
// navigate to it.
void goBack(ExplorerNavigation& nav) {
    ASSERT_TRUE(nav.history.canGoBack());
    programNavigates(nav, nav.history.previous());
}
void goForward(ExplorerNavigation& nav) {
    ASSERT_TRUE(nav.history.canGoForward());
    programNavigates(nav, nav.history.next());
}

} // namespace

TEST(NavigationHistory, NewAddressAfterGoingBackDropsTheCurrentEntryAndTheRest) {
    ExplorerNavigation nav;
    for (const char* page : {"http://a/", "http://b/", "http://c/"})
        programNavigates(nav, page);
    EXPECT_EQ(nav.history.entries(), (Entries{"http://a/", "http://b/", "http://c/"}));
    EXPECT_EQ(nav.history.position(), 2);
    goBack(nav);
    EXPECT_EQ(nav.history.position(), 1);
    programNavigates(nav, "http://x/"); // a link button
    EXPECT_EQ(nav.history.entries(), (Entries{"http://a/", "http://x/"}));
    EXPECT_EQ(nav.history.position(), 1);
    EXPECT_FALSE(nav.history.canGoForward());
}

TEST(NavigationHistory, BackThenForwardReturnsAndForwardEndsAtTheLastEntry) {
    ExplorerNavigation nav;
    EXPECT_FALSE(nav.history.canGoBack());
    EXPECT_FALSE(nav.history.canGoForward());
    programNavigates(nav, "http://a/");
    EXPECT_FALSE(nav.history.canGoBack()); // position 0
    programNavigates(nav, "http://b/");
    goBack(nav);
    EXPECT_EQ(nav.history.position(), 0);
    EXPECT_FALSE(nav.history.canGoBack());
    goForward(nav);
    EXPECT_EQ(nav.history.position(), 1);
    EXPECT_EQ(nav.history.entries()[1], "http://b/");
    EXPECT_FALSE(nav.history.canGoForward());
    EXPECT_TRUE(nav.history.canGoBack());
    EXPECT_EQ(nav.history.entries().size(), 2u);
}

TEST(NavigationHistory, AddressInOtherLetterCaseMovesToTheEarlierEntry) {
    ExplorerNavigation nav;
    for (const char* page : {"http://a/Data.html", "http://b/", "http://c/"})
        programNavigates(nav, page);
    programNavigates(nav, "HTTP://A/data.HTML");
    EXPECT_EQ(nav.history.position(), 0);
    EXPECT_EQ(nav.history.entries().size(), 3u);
    // The first match wins when an address is there twice.
    nav.enterAddress("http://B/");
    programNavigates(nav, "http://B/");
    EXPECT_EQ(nav.history.position(), 1);
}

TEST(AddressList, ProgramNavigationsFileTheirAddressPageNavigationsDoNot) {
    ExplorerNavigation nav;
    EXPECT_EQ(programNavigates(nav, "http://home/"), "http://home/");
    EXPECT_FALSE(nav.updateAddressList);
    // A link clicked inside the page: history and status only; the address
    // box keeps the address the program asked for.
    EXPECT_EQ(nav.announce("http://home/inner"), "http://home/");
    EXPECT_EQ(nav.addresses.items(), (Entries{"http://home/"}));
    EXPECT_EQ(nav.history.entries(), (Entries{"http://home/", "http://home/inner"}));

    programNavigates(nav, "http://other/");
    EXPECT_EQ(programNavigates(nav, "HTTP://HOME/"), "http://home/"); // moved, own text kept
    EXPECT_EQ(nav.addresses.items(), (Entries{"http://home/", "http://other/"}));
}

TEST(AddressList, EnterFilesTheTypedTextAtTheTopAndInTheHistory) {
    ExplorerNavigation nav;
    programNavigates(nav, "http://a/");
    nav.enterAddress("http://a/");
    EXPECT_EQ(nav.addresses.items(), (Entries{"http://a/", "http://a/"}));
    EXPECT_EQ(nav.history.entries(), (Entries{"http://a/", "http://a/"}));
    EXPECT_EQ(programNavigates(nav, "http://a/"), "http://a/");
    EXPECT_EQ(nav.history.position(), 0);
}

TEST(AddressList, AnnouncementBeforeAnyAddressLeavesTheBoxAlone) {
    ExplorerNavigation nav;
    EXPECT_EQ(nav.announce("about:blank"), std::nullopt);
    EXPECT_EQ(nav.history.entries(), (Entries{"about:blank"}));
}
