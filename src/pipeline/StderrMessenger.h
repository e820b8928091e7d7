#pragma once

#include "base/Messenger.h"

#include <cstdio>

namespace climora {

// Message boxes as lines of text for a command-line run: "KIND: TEXT" with
// KIND error, warning, information or confirm (a box without an icon counts
// as information); a confirmation adds " -> Yes" or " -> No" and is answered
// with the fixed answer. Tones are not boxes and print nothing. Line breaks
// inside a text become blanks so that every box is one line.
class StderrMessenger : public Messenger {
  public:
    explicit StderrMessenger(bool answerYes = false, std::FILE* out = stderr)
        : answerYes_(answerYes), out_(out) {}

    void tone(Tone) override {}
    void error(const std::string& text) override { print("error", text); }
    void warning(const std::string& text) override { print("warning", text); }
    void information(const std::string& text) override { print("information", text); }
    void plain(const std::string& text) override { print("information", text); }
    bool confirm(const std::string& text) override;

  private:
    void print(const char* kind, const std::string& text, const char* suffix = "");

    bool answerYes_;
    std::FILE* out_;
};

} // namespace climora
