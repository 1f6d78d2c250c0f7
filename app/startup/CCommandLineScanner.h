#pragma once
// Finds the documents named on a command line. A name in double quotes runs
// to the next double quote; an unquoted name is the longest blank-separated
// prefix of the rest of the line that names an existing file or folder, so
// names with blanks work without quotes. Relative names are taken from a
// base folder and every name found is expanded to a full path.
#include <optional>
#include <string>
#include <vector>

class CCommandLineScanner {
public:
    struct Found {
        std::string path;
        bool isFolder = false;
    };
    struct Result {
        std::vector<Found> found;
        // The first text that names nothing, ready for the not-found alert.
        std::optional<std::string> missing;
    };

    static constexpr std::size_t kMaxShownName = 64;
    static constexpr std::size_t kShownTail = 61;

    static Result Scan(const std::string& line, const std::string& baseFolder);

    // A text longer than 64 characters becomes "..." and its last 61.
    static std::string ShortenForAlert(const std::string& text);

    // Joins program arguments into one command line; an argument holding a
    // blank is put in double quotes so that it stays one name.
    static std::string JoinArguments(const std::vector<std::string>& arguments);
};
