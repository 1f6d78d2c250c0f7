#pragma once
// The preferences file "Quillet Preferences.prf": read once at start-up,
// written once at shut-down.
#include <string>

class CABCPreferencesEnvironment;
struct QuilletPreferences;

class CQuilletPreferencesFile {
public:
    // The file in the configuration folder.
    CQuilletPreferencesFile();
    explicit CQuilletPreferencesFile(std::string path) : fPath(std::move(path)) {}

    const std::string& Path() const { return fPath; }

    // Reads the file chunk by chunk and applies it: opens the stored sound
    // card, takes the colours, installs the pseudo-samplers and the stored
    // samplers and verifies them, takes the application and default-document
    // preferences. A damaged chunk keeps its defaults and alert 8 shows once
    // at the end. False, and nothing applied, when there is no file or it is
    // no preferences file (alert 10).
    bool Load(QuilletPreferences& preferences, CABCPreferencesEnvironment& environment) const;
    // Writes the whole file anew through a temporary file that replaces the
    // old one only when complete. On failure the old file stays, alert 11
    // shows, and the exception goes on.
    void Save(const QuilletPreferences& preferences, CABCPreferencesEnvironment& environment) const;

private:
    std::string fPath;
};
