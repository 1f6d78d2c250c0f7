#pragma once
// Writes the chunks of this program's preferences file, in the order PSNP,
// PARP, PDDP, PCOL, ISRG.
#include <vector>

#include "formats/preferences/CPreferencesWriter.h"

class CColorTablePreferences;
class CPersistentInstalledSampler;
class CQuilletApplicationPreferences;
class CQuilletDefaultDocumentPreferences;
class CSoundPreferences;

class CQuilletPreferencesWriter : public CPreferencesWriter {
public:
    using CPreferencesWriter::CPreferencesWriter;

    void WriteSoundPreferences(const CSoundPreferences& preferences);
    void WriteColorTable(const CColorTablePreferences& table);
    void WriteApplicationPreferences(const CQuilletApplicationPreferences& preferences);
    void WriteDefaultDocumentPreferences(const CQuilletDefaultDocumentPreferences& preferences);
    // One SPLR chunk per record in a CAT group of type ISRG; no group for
    // no records.
    void WriteInstalledSamplers(const std::vector<CPersistentInstalledSampler>& samplers);
};
