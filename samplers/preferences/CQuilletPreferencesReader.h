#pragma once
// Reads the chunks of this program's preferences file: sound (PSNP),
// colours (PCOL), application (PARP) and default document (PDDP)
// preferences, and the installed samplers (SPLR chunks in a CAT group of
// type ISRG).
#include <functional>

#include "formats/preferences/CPreferencesReader.h"

class CColorTablePreferences;
class CPersistentInstalledSampler;
class CQuilletApplicationPreferences;
class CQuilletDefaultDocumentPreferences;
class CSoundPreferences;

class CQuilletPreferencesReader : public CPreferencesReader {
public:
    using CPreferencesReader::CPreferencesReader;

    bool HasSoundPreferences() { return HasChunk("PSNP"); }
    bool HasColorTable() { return HasChunk("PCOL"); }
    bool HasInstalledSamplers() { return HasCat("ISRG"); }
    bool HasApplicationPreferences() { return HasChunk("PARP"); }
    bool HasDefaultDocumentPreferences() { return HasChunk("PDDP"); }

    void ReadSoundPreferences(CSoundPreferences& preferences);
    void ReadColorTable(CColorTablePreferences& table);
    void ReadApplicationPreferences(CQuilletApplicationPreferences& preferences);
    void ReadDefaultDocumentPreferences(CQuilletDefaultDocumentPreferences& preferences);
    // Hands each SPLR chunk of the ISRG group, in file order, to each: the
    // record read, or nullptr for a damaged one (the walk goes on). Other
    // chunks are skipped. XPreferencesChunkNotFound without the group,
    // XInvalidPreferencesChunk for an empty group or one that cannot be walked.
    void ReadInstalledSamplers(const std::function<void(const CPersistentInstalledSampler*)>& each);
};
