#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace climora {

// A mistake in the command line: reported as "error: TEXT (see climora-batch
// --help)" with exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The command line read item by item with the usual conventions: an option's
// value follows it or is joined to a long option by '=' ("--rows=3"), and
// "--" ends the options (everything after it is an INPUT, even "-x").
class Arguments {
  public:
    struct Item {
        std::string text;
        bool isOption = false;
    };

    explicit Arguments(std::vector<std::string> args) : args_(std::move(args)) {}
    bool more() const;
    Item take();
    // The value of the option just taken: its "=value", else the next argument.
    std::string value(const std::string& option);
    // Refuses an "=value" the option did not take ("--yes=1").
    void endOption(const std::string& option);
    // The arguments taken since `start` (a position()), as typed.
    std::size_t position() const { return next_; }
    std::vector<std::string> typedSince(std::size_t start) const;

  private:
    std::vector<std::string> args_;
    std::size_t next_ = 0;
    bool optionsEnded_ = false;
    bool hasJoinedValue_ = false;
    std::string joinedValue_;
};

} // namespace climora
