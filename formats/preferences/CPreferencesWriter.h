#pragma once
// Writes a preferences file: a big-endian CAT group of type PREF whose
// chunks each hold one data-format object. The group is begun at
// construction and ended by Finish (or, failing that, by the destructor).
#include <memory>

#include "formats/chunks/CIFFWriter2.h"

class CABCDataFormat;

class CPreferencesWriter : public CIFFWriter2 {
public:
    explicit CPreferencesWriter(CMedia& media);
    ~CPreferencesWriter() override;

    // One chunk at the PREF level: size from GetSize, contents from Serialize.
    void WriteDataChunk(const char* id, const CABCDataFormat& data);
    // The same at the level of writer (e.g. inside a group of the PREF level).
    static void WriteDataChunk(CIFFWriter2& writer, const char* id, const CABCDataFormat& data);
    // Ends the PREF group and patches its size.
    void Finish();

protected:
    // The writer inside the PREF group.
    CIFFWriter2& Inside() { return *fInside; }

private:
    CIFFChunkInfo fGroup;
    std::unique_ptr<CIFFWriter2> fInside;
    bool fFinished = false;
};
