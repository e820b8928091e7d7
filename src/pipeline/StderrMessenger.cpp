#include "pipeline/StderrMessenger.h"

namespace climora {

bool StderrMessenger::confirm(const std::string& text) {
    print("confirm", text, answerYes_ ? " -> Yes" : " -> No");
    return answerYes_;
}

void StderrMessenger::print(const char* kind, const std::string& text, const char* suffix) {
    std::string line = kind;
    line += ": ";
    for (char c : text)
        line += (c == '\r' || c == '\n') ? ' ' : c;
    line += suffix;
    line += '\n';
    std::fputs(line.c_str(), out_);
    std::fflush(out_);
}

} // namespace climora
