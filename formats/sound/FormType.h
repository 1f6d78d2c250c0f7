#pragma once
// The type of a file's outer group: the 4 characters after its size.
class CMedia;

// True when the stream's outer group has that type ("AIFC", "WAVE").
// XRead when the stream is too short to hold a group header.
bool HasFormType(CMedia& stream, const char* type);
