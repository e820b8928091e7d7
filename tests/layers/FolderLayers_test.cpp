// The folders under src/ form layers: no folder includes a folder that
// includes it back, however long the way round, and only the program's own
// folder (app) includes app.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using FolderGraph = std::map<std::string, std::set<std::string>>;

// Folder -> folders its files include with #include "folder/...".
FolderGraph includeGraph(const fs::path& sourceRoot) {
    static const std::regex includeLine(R"(^\s*#\s*include\s+"([^/"]+)/)");
    FolderGraph graph;
    for (const auto& entry : fs::recursive_directory_iterator(sourceRoot)) {
        std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp"))
            continue;
        std::string folder = fs::relative(entry.path(), sourceRoot).begin()->string();
        std::ifstream file(entry.path());
        std::smatch match;
        for (std::string line; std::getline(file, line);)
            if (std::regex_search(line, match, includeLine) && match[1] != folder)
                graph[folder].insert(match[1]);
    }
    return graph;
}

// A way round the graph ("a -> b -> a"), if there is one.
std::optional<std::string> findCycle(const FolderGraph& graph) {
    std::map<std::string, int> state; // 1 on the current path, 2 done
    std::vector<std::string> path;
    std::optional<std::string> cycle;
    std::function<void(const std::string&)> visit = [&](const std::string& folder) {
        state[folder] = 1;
        path.push_back(folder);
        auto edges = graph.find(folder);
        if (edges != graph.end())
            for (const std::string& next : edges->second) {
                if (cycle)
                    break;
                if (state[next] == 1) {
                    std::string text;
                    for (auto it = std::find(path.begin(), path.end(), next); it != path.end();
                         ++it)
                        text += *it + " -> ";
                    cycle = text + next;
                } else if (state[next] == 0) {
                    visit(next);
                }
            }
        path.pop_back();
        state[folder] = 2;
    };
    for (const auto& [folder, edges] : graph)
        if (!cycle && state[folder] == 0)
            visit(folder);
    return cycle;
}

} // namespace

TEST(FolderLayers, CycleSearchFindsEveryWayRound) {
    struct Case {
        FolderGraph graph;
        std::optional<std::string> cycle;
    };
    const Case cases[] = {
        {{{"app", {"base", "pipeline"}}, {"pipeline", {"base"}}}, std::nullopt},
        {{{"methods", {"pipeline"}}, {"pipeline", {"methods"}}}, "methods -> pipeline -> methods"},
        {{{"a", {"b"}}, {"b", {"c"}}, {"c", {"a"}}}, "a -> b -> c -> a"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findCycle(c.graph), c.cycle);
}

TEST(FolderLayers, SourceFoldersIncludeNoFolderThatIncludesThemBack) {
    FolderGraph graph = includeGraph(fs::path(CLIMORA_TESTS_DIR).parent_path() / "src");
    ASSERT_TRUE(graph.count("app"));
    EXPECT_EQ(findCycle(graph), std::nullopt);
    for (const auto& [folder, included] : graph)
        EXPECT_TRUE(folder == "app" || !included.count("app")) << folder << " includes app";
}
