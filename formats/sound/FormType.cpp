#include "formats/sound/FormType.h"

#include <cstring>

#include "framework/streams/CMedia.h"

bool HasFormType(CMedia& stream, const char* type) {
    char found[4];
    stream.ReadAt(8, sizeof found, found);
    return std::memcmp(found, type, sizeof found) == 0;
}
