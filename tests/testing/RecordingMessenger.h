#pragma once

#include "base/Messenger.h"

#include <deque>
#include <string>
#include <vector>

namespace climora {

// Keeps every tone and box as one line ("tone: error", "error: TEXT",
// "confirm: TEXT -> Yes") so a test can compare the whole sequence.
// Confirmations take their answers from a queue; an empty queue answers
// with the default answer.
class RecordingMessenger : public Messenger {
  public:
    explicit RecordingMessenger(bool defaultAnswer = false) : defaultAnswer_(defaultAnswer) {}

    void answerNext(bool yes) { answers_.push_back(yes); }
    const std::vector<std::string>& events() const { return events_; }
    void clear() { events_.clear(); }

    void tone(Tone tone) override;
    void error(const std::string& text) override { events_.push_back("error: " + text); }
    void warning(const std::string& text) override { events_.push_back("warning: " + text); }
    void information(const std::string& text) override {
        events_.push_back("information: " + text);
    }
    void plain(const std::string& text) override { events_.push_back("plain: " + text); }
    bool confirm(const std::string& text) override;

  private:
    bool defaultAnswer_;
    std::deque<bool> answers_;
    std::vector<std::string> events_;
};

} // namespace climora
