#pragma once
// Reads a preferences file: the whole file must be one big-endian chunk
// group, and it must hold a CAT group of type PREF; every search then runs
// at the PREF level. Damage inside the group (a chunk that runs past its
// level, a chunk too large to be a preference) is reported as an invalid
// chunk, so that only the items it touches are lost.
#include <cstdint>
#include <memory>

#include "formats/chunks/CIFFReader2.h"
#include "framework/exceptions/GeneralExceptions.h"

class CABCDataFormat;
class CMedia;

class CPreferencesReader {
public:
    // No chunk of a preferences file is larger than this.
    static constexpr std::uint32_t kMaxChunkSize = 1 << 20;

    // XInvalidPreferencesFile when media is not a chunk group of its own
    // size or holds no PREF group.
    explicit CPreferencesReader(CMedia& media);
    virtual ~CPreferencesReader();
    CPreferencesReader(const CPreferencesReader&) = delete;
    CPreferencesReader& operator=(const CPreferencesReader&) = delete;

    // Whether a chunk or a CAT group of that name lies at the PREF level.
    bool HasChunk(const char* id);
    bool HasCat(const char* type);
    // Reads the chunk into data: XPreferencesChunkNotFound when it is
    // missing, XInvalidPreferencesChunk when it is damaged or data refuses it.
    void ReadDataChunk(const char* id, CABCDataFormat& data);
    // The same for a chunk record that reader walked to.
    static void ReadDataChunk(CIFFReader2& reader, const CIFFChunkInfo& record, CABCDataFormat& data);
    // A reader inside the CAT group of that type; XPreferencesChunkNotFound
    // when there is none.
    std::unique_ptr<CIFFReader2> OpenCat(const char* type);

protected:
    // Runs a search or a read at a level of the file; damage of the level
    // itself becomes an invalid chunk.
    template <typename Operation>
    static auto Guarded(Operation operation)
    {
        try {
            return operation();
        } catch (const XPreferences&) {
            throw;
        } catch (const XBase&) {
            throw XInvalidPreferencesChunk();
        }
    }

private:
    CIFFReader2 fFile;
    std::unique_ptr<CIFFReader2> fInside;
};
