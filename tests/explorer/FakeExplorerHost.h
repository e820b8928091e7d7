#pragma once

#include "explorer/ExplorerHost.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedFileDialogs.h"

#include <string>
#include <vector>

namespace climora {

// Records what the explorer asks of the main window, one line per call.
class FakeExplorerHost : public ExplorerHost {
  public:
    explicit FakeExplorerHost(std::filesystem::path workFolder = {})
        : work(std::move(workFolder)) {}

    std::vector<std::string> calls;
    RecordingMessenger recorder;
    ScriptedFileDialogs dialogs;
    WorkFolder work;
    std::string inputFolder;
    bool explorerOpen = false;

    void setInputText(const std::string& text) override { calls.push_back("input text: " + text); }
    void setInputName(const std::string& name) override { calls.push_back("input name: " + name); }
    void selectFirstTemplate() override { calls.push_back("select first template"); }
    void applySelectedTemplate() override { calls.push_back("apply selected template"); }
    std::string defaultInputFolder() const override { return inputFolder; }
    const WorkFolder& workFolder() const override { return work; }
    Messenger& messenger() override { return recorder; }
    FileDialogs& fileDialogs() override { return dialogs; }
    void setExplorerOpen(bool open) override {
        explorerOpen = open;
        calls.push_back(open ? "explorer open" : "explorer closed");
    }
};

} // namespace climora
