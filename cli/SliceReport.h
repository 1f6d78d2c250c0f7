#pragma once
// What the slice command prints about a sliced loop: a table for people, or
// one JSON object for programs.
#include <nlohmann/json.hpp>
#include <string>

struct SlicedLoop;

// The version of the JSON layout; raised when a field changes meaning.
inline constexpr int kSliceJsonSchema = 2;

// The loop's sound, locators, musical length, tempo and every slice point
// (position, end frame, time, bar.beat.sixteenth, level, state, shown, counted).
nlohmann::ordered_json SliceJson(const std::string& file, const SlicedLoop& loop);
// The same as a table.
std::string SliceTable(const SlicedLoop& loop);
