#pragma once

#include "base/Messenger.h"

#include <functional>
#include <vector>

namespace climora {

// A messenger that holds what it is told, to pass it on once the caller
// knows nothing else must be said first. A question cannot wait for its
// answer: confirm passes on what is held and asks at once.
class HeldMessages : public Messenger {
  public:
    explicit HeldMessages(Messenger& target) : target_(target) {}

    void tone(Tone tone) override {
        held_.push_back([tone](Messenger& m) { m.tone(tone); });
    }
    void error(const std::string& text) override {
        held_.push_back([text](Messenger& m) { m.error(text); });
    }
    void warning(const std::string& text) override {
        held_.push_back([text](Messenger& m) { m.warning(text); });
    }
    void information(const std::string& text) override {
        held_.push_back([text](Messenger& m) { m.information(text); });
    }
    void plain(const std::string& text) override {
        held_.push_back([text](Messenger& m) { m.plain(text); });
    }
    bool confirm(const std::string& text) override {
        passOn();
        return target_.confirm(text);
    }

    // Says everything held, in order.
    void passOn() {
        for (const auto& message : held_)
            message(target_);
        held_.clear();
    }

  private:
    Messenger& target_;
    std::vector<std::function<void(Messenger&)>> held_;
};

} // namespace climora
