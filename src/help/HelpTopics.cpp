#include "help/HelpTopics.h"

namespace climora {

const std::array<int, 6>& boundHelpTopics() {
    static const std::array<int, 6> topics = {help::explorerWindow,  help::inputPanel,
                                              help::rowsBeforeData,  help::taskList,
                                              help::panTypeAndFetch, help::defaultFolders};
    return topics;
}

std::string helpTopicAnchor(int topic) {
    if (topic == help::contents)
        return {};
    return "topic" + std::to_string(topic);
}

void makeWorkFolderCurrent(const WorkFolder& workFolder) {
    std::error_code ec;
    std::filesystem::current_path(workFolder.path(), ec);
}

} // namespace climora
