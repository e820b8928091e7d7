#include "batch/BatchArguments.h"

namespace climora {

bool Arguments::more() const {
    if (next_ < args_.size() && !optionsEnded_ && args_[next_] == "--")
        return next_ + 1 < args_.size();
    return next_ < args_.size();
}

Arguments::Item Arguments::take() {
    if (!optionsEnded_ && args_[next_] == "--") {
        optionsEnded_ = true;
        ++next_;
    }
    const std::string& arg = args_[next_++];
    // "-" alone is an INPUT: standard input.
    if (optionsEnded_ || arg.size() < 2 || arg.front() != '-')
        return {arg, false};
    std::size_t equals = arg.find('=');
    hasJoinedValue_ = arg.starts_with("--") && equals != std::string::npos;
    if (!hasJoinedValue_)
        return {arg, true};
    joinedValue_ = arg.substr(equals + 1);
    return {arg.substr(0, equals), true};
}

std::string Arguments::value(const std::string& option) {
    if (hasJoinedValue_) {
        hasJoinedValue_ = false;
        return joinedValue_;
    }
    if (next_ >= args_.size())
        throw UsageError(option + " needs a value");
    return args_[next_++];
}

void Arguments::endOption(const std::string& option) {
    if (hasJoinedValue_)
        throw UsageError(option + " takes no value");
}

std::vector<std::string> Arguments::typedSince(std::size_t start) const {
    return {args_.begin() + static_cast<std::ptrdiff_t>(start),
            args_.begin() + static_cast<std::ptrdiff_t>(next_)};
}

} // namespace climora
