#include "samplers/preferences/CQuilletPreferencesReader.h"

#include <cstring>

#include "formats/preferences/CColorTablePreferences.h"
#include "formats/preferences/CQuilletApplicationPreferences.h"
#include "formats/preferences/CQuilletDefaultDocumentPreferences.h"
#include "formats/preferences/CSoundPreferences.h"
#include "framework/exceptions/GeneralExceptions.h"
#include "samplers/model/CPersistentInstalledSampler.h"

void CQuilletPreferencesReader::ReadSoundPreferences(CSoundPreferences& preferences)
{
    ReadDataChunk("PSNP", preferences);
}

void CQuilletPreferencesReader::ReadColorTable(CColorTablePreferences& table)
{
    ReadDataChunk("PCOL", table);
}

void CQuilletPreferencesReader::ReadApplicationPreferences(CQuilletApplicationPreferences& preferences)
{
    ReadDataChunk("PARP", preferences);
}

void CQuilletPreferencesReader::ReadDefaultDocumentPreferences(CQuilletDefaultDocumentPreferences& preferences)
{
    ReadDataChunk("PDDP", preferences);
}

void CQuilletPreferencesReader::ReadInstalledSamplers(
    const std::function<void(const CPersistentInstalledSampler*)>& each)
{
    std::unique_ptr<CIFFReader2> group = OpenCat("ISRG");
    CIFFChunkInfo record;
    if (!Guarded([&] { return group->ReadFirst(record); }))
        throw XInvalidPreferencesChunk();
    do {
        if (record.kind != CIFFChunkInfo::kChunk || std::strcmp(record.name, "SPLR") != 0)
            continue;
        CPersistentInstalledSampler sampler;
        try {
            ReadDataChunk(*group, record, sampler);
        } catch (const XInvalidPreferencesChunk&) {
            each(nullptr);
            continue;
        }
        each(&sampler);
    } while (Guarded([&] { return group->ReadNext(record, record); }));
}
