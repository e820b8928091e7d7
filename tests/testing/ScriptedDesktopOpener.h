#pragma once

#include "output/DesktopOpener.h"

#include <filesystem>
#include <vector>

namespace climora {

// Records what it was asked to open and answers from a script.
class ScriptedDesktopOpener : public DesktopOpener {
  public:
    explicit ScriptedDesktopOpener(std::vector<bool> answers = {}) : answers_(std::move(answers)) {}

    bool open(const std::filesystem::path& document) override {
        opened.push_back(document);
        if (next_ < answers_.size())
            return answers_[next_++];
        return false;
    }

    std::vector<std::filesystem::path> opened;

  private:
    std::vector<bool> answers_;
    std::size_t next_ = 0;
};

} // namespace climora
