#include "samplers/preferences/CQuilletPreferencesWriter.h"

#include "formats/preferences/CColorTablePreferences.h"
#include "formats/preferences/CQuilletApplicationPreferences.h"
#include "formats/preferences/CQuilletDefaultDocumentPreferences.h"
#include "formats/preferences/CSoundPreferences.h"
#include "samplers/model/CPersistentInstalledSampler.h"

void CQuilletPreferencesWriter::WriteSoundPreferences(const CSoundPreferences& preferences)
{
    WriteDataChunk("PSNP", preferences);
}

void CQuilletPreferencesWriter::WriteColorTable(const CColorTablePreferences& table)
{
    WriteDataChunk("PCOL", table);
}

void CQuilletPreferencesWriter::WriteApplicationPreferences(const CQuilletApplicationPreferences& preferences)
{
    WriteDataChunk("PARP", preferences);
}

void CQuilletPreferencesWriter::WriteDefaultDocumentPreferences(const CQuilletDefaultDocumentPreferences& preferences)
{
    WriteDataChunk("PDDP", preferences);
}

void CQuilletPreferencesWriter::WriteInstalledSamplers(const std::vector<CPersistentInstalledSampler>& samplers)
{
    if (samplers.empty())
        return;
    const CIFFChunkInfo group = Inside().BeginCat("ISRG");
    {
        CIFFWriter2 records(Inside(), group);
        for (const CPersistentInstalledSampler& sampler : samplers)
            WriteDataChunk(records, "SPLR", sampler);
    }
    Inside().EndChunk(group);
}
