#include "cli/CliArguments.h"

#include <algorithm>
#include <charconv>

namespace {

std::vector<std::string>::iterator FindOption(std::vector<std::string>& arguments, const std::string& name) {
    return std::find(arguments.begin(), arguments.end(), "--" + name);
}

}  // namespace

bool CliArguments::TakeFlag(const std::string& name) {
    const auto found = FindOption(arguments_, name);
    if (found == arguments_.end()) return false;
    arguments_.erase(found);
    return true;
}

std::optional<std::string> CliArguments::TakeValue(const std::string& name) {
    const auto found = FindOption(arguments_, name);
    if (found == arguments_.end()) return std::nullopt;
    if (found + 1 == arguments_.end()) throw CliUsageError("--" + name + " needs a value");
    std::string value = *(found + 1);
    arguments_.erase(found, found + 2);
    return value;
}

std::optional<std::int64_t> CliArguments::TakeNumber(const std::string& name, std::int64_t low, std::int64_t high) {
    const std::optional<std::string> text = TakeValue(name);
    if (!text) return std::nullopt;
    std::int64_t value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || stop != end || value < low || value > high)
        throw CliUsageError("--" + name + " takes a whole number from " + std::to_string(low) + " to " +
                            std::to_string(high));
    return value;
}

std::string CliArguments::TakeFile() {
    for (const std::string& argument : arguments_)
        if (argument.size() > 1 && argument[0] == '-') throw CliUsageError("unknown option " + argument);
    if (arguments_.size() != 1) throw CliUsageError(arguments_.empty() ? "no file given" : "more than one file given");
    file_ = arguments_.front();
    arguments_.clear();
    return file_;
}
