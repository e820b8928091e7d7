#pragma once

#include "base/WorkFolder.h"

#include <array>
#include <string>

namespace climora {

// Topic numbers of the help document. A window or control bound to a topic
// opens the help there; topic 0 is the table of contents.
namespace help {
inline constexpr int contents = 0;
inline constexpr int explorerWindow = 1260;
inline constexpr int inputPanel = 1270;
inline constexpr int rowsBeforeData = 1500;
inline constexpr int taskList = 1560;
inline constexpr int panTypeAndFetch = 3210;
inline constexpr int defaultFolders = 12000;
} // namespace help

// Every topic bound to a window or control.
const std::array<int, 6>& boundHelpTopics();

// The anchor of a topic in the help document ("topic1260"); empty for the
// contents.
std::string helpTopicAnchor(int topic);

// Help requests leave the work folder as the current folder. Failures are
// ignored: the help opens all the same.
void makeWorkFolderCurrent(const WorkFolder& workFolder);

} // namespace climora
