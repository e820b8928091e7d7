#pragma once

#include "base/Messenger.h"

#include <exception>
#include <utility>

namespace climora {

// Runs one user command. A failure the command does not handle itself
// (a number that is not a number, a file that cannot be written) ends the
// command with an error box instead of ending the program. Returns false
// when the command failed that way.
template <typename Command> bool runCommand(Messenger& messenger, Command&& command) {
    try {
        std::forward<Command>(command)();
        return true;
    } catch (const std::exception& failure) {
        messenger.reportError(failure.what());
    } catch (...) {
        messenger.reportError("An unexpected error ended the command.");
    }
    return false;
}

} // namespace climora
