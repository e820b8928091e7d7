#include "explorer/Capture.h"

#include "explorer/FakeExplorerHost.h"

#include <gtest/gtest.h>

using namespace climora;
using Events = std::vector<std::string>;

TEST(HprccRule, FiveLettersAfterTheFirstDotInAnyCase) {
    EXPECT_TRUE(isHprccAddress("http://www.HPRCC.unl.edu/data"));
    EXPECT_TRUE(isHprccAddress("http://www.hprccdata.org/"));
    EXPECT_TRUE(isHprccAddress("hprcc"));                  // no dot: from the start
    EXPECT_FALSE(isHprccAddress("http://hprcc.unl.edu/")); // "unl.e" follows the first dot
    EXPECT_FALSE(isHprccAddress("http://www.hprc.unl.edu/"));
    EXPECT_FALSE(isHprccAddress("www.hprc"));
    EXPECT_FALSE(isHprccAddress(""));
}

TEST(Capture, PageWithTitleFillsPanelNameAndAppliesSelectedTemplate) {
    FakeExplorerHost host;
    deliverCapture(host, {"1 2 3\n4 5 6", "Daily data"}, "http://www.example.org/d");
    EXPECT_EQ(host.calls, (Events{"input text: 1 2 3\n4 5 6", "input name: Daily data",
                                  "apply selected template"}));
    EXPECT_EQ(host.recorder.events(), (Events{"tone: exclamation"}));
}

TEST(Capture, PageWithoutTitleIsNamedAfterTheAddressBox) {
    FakeExplorerHost host;
    deliverCapture(host, {"text", ""}, "file:///data/station.txt");
    EXPECT_EQ(host.calls, (Events{"input text: text", "input name: file:///data/station.txt",
                                  "apply selected template"}));
}

TEST(Capture, HprccPageSelectsTheFirstTemplateBeforeApplying) {
    FakeExplorerHost host;
    deliverCapture(host, {"x", "HPRCC"}, "http://www.Hprcc.unl.edu/");
    EXPECT_EQ(host.calls, (Events{"input text: x", "input name: HPRCC", "select first template",
                                  "apply selected template"}));
}
