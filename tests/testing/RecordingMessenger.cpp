#include "testing/RecordingMessenger.h"

namespace climora {

void RecordingMessenger::tone(Tone tone) {
    events_.push_back(tone == Tone::Error ? "tone: error" : "tone: exclamation");
}

bool RecordingMessenger::confirm(const std::string& text) {
    bool yes = defaultAnswer_;
    if (!answers_.empty()) {
        yes = answers_.front();
        answers_.pop_front();
    }
    events_.push_back("confirm: " + text + (yes ? " -> Yes" : " -> No"));
    return yes;
}

} // namespace climora
