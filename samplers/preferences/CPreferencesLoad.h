#pragma once
// One reading of the preferences file into the running program. Each part
// (application, sound, colours, samplers, default document) is read on its
// own: a damaged part keeps its defaults and marks the file as damaged, and
// the next part is read. The application preferences are read first, so
// that the stored selection can follow its sampler while stored samplers
// are dropped and doubles removed.
#include <cstdint>

class CABCPreferencesEnvironment;
class CPersistentInstalledSampler;
class CQuilletPreferencesReader;
struct QuilletPreferences;

class CPreferencesLoad {
public:
    CPreferencesLoad(CQuilletPreferencesReader& reader, QuilletPreferences& preferences,
                     CABCPreferencesEnvironment& environment)
        : fReader(reader), fPreferences(preferences), fEnvironment(environment)
    {
    }

    void Run();
    // Whether some part could not be read (alert 8 is due).
    bool FoundDamage() const { return fDamaged; }

private:
    // Runs one part; a preferences error marks the damage and ends the part.
    template <typename Part>
    void ReadPart(Part part);
    void ReadApplication();
    void ReadSound();
    void ReadColours();
    void ReadSamplers();
    void ReadDefaultDocument();
    // One SPLR record (nullptr for a damaged one), in file order.
    void InstallStored(const CPersistentInstalledSampler* record);
    // Removes doubles and verifies the samplers with the sound output paused.
    void CheckSamplers();

    CQuilletPreferencesReader& fReader;
    QuilletPreferences& fPreferences;
    CABCPreferencesEnvironment& fEnvironment;
    bool fDamaged = false;
    bool fMIDIMissingShown = false;
    bool fSCSIMissingShown = false;
    // The selection as stored: an index into the pseudo-samplers and then
    // the stored samplers in file order.
    std::uint16_t fStoredSelection = 0;
    std::uint16_t fPseudoSamplers = 0;
    std::uint16_t fRecordsSeen = 0;
};
