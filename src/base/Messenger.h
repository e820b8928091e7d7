#pragma once

#include <string>

namespace climora {

enum class Tone { Error, Exclamation };

// How the core speaks to the user: system tones and modal message boxes.
// The desktop program shows real boxes; tests record every call; the batch
// front end prints them.
class Messenger {
  public:
    virtual ~Messenger() = default;
    virtual void tone(Tone tone) = 0;
    virtual void error(const std::string& text) = 0;       // error icon, OK
    virtual void warning(const std::string& text) = 0;     // warning icon, OK
    virtual void information(const std::string& text) = 0; // information icon, OK
    virtual void plain(const std::string& text) = 0;       // no icon, OK
    // Yes and No buttons; true means Yes.
    virtual bool confirm(const std::string& text) = 0;

    // The usual pairs: a tone, then its box.
    void reportError(const std::string& text) {
        tone(Tone::Error);
        error(text);
    }
    void notify(const std::string& text) {
        tone(Tone::Exclamation);
        information(text);
    }
};

} // namespace climora
