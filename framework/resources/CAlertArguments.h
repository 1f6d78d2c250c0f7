#pragma once
// The substitution arguments of an alert: up to four texts of at most 64
// characters, put in place of the markers ^0 to ^3 in the order added.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CAlertArguments {
public:
    static constexpr std::size_t kMaxArguments = 4;
    static constexpr std::size_t kMaxLength = 64;

    CAlertArguments() = default;
    explicit CAlertArguments(std::string_view first) { Add(first); }

    // Stores a cleaned copy: "[" and "]" become "(" and ")", "^" becomes "~",
    // so an argument can open neither a title, a button nor a new marker.
    // Arguments past the fourth are ignored.
    void Add(std::string_view text);

    std::size_t Count() const { return fArguments.size(); }
    const std::string& operator[](std::size_t index) const { return fArguments[index]; }

    // `script` with each marker ^n replaced, at its first occurrence, by argument n.
    std::string Substitute(std::string_view script) const;

private:
    std::vector<std::string> fArguments;
};
