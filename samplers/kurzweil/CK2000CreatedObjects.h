#pragma once
// The objects one transmission created in the instrument, in the order it
// created them: the only record from which a failed transmission is undone.
// Undo deletes them in that order under a "Cleaning up..." progress with a
// Cancel button; what could not be deleted is kept and told. An undo that
// was due but never ran happens on destruction, quietly: destruction never
// throws.
#include <string>
#include <vector>

#include "samplers/kurzweil/KurzweilMessages.h"

class CK2000Interface;

class CK2000CreatedObjects {
public:
    explicit CK2000CreatedObjects(CK2000Interface& sampler) : fSampler(sampler) {}
    ~CK2000CreatedObjects();
    CK2000CreatedObjects(const CK2000CreatedObjects&) = delete;
    CK2000CreatedObjects& operator=(const CK2000CreatedObjects&) = delete;

    void Add(Kurzweil::ObjectId object) { fObjects.push_back(object); }
    // The transmission succeeded: nothing is undone.
    void Keep() { fObjects.clear(); }
    // Deletes every object; when one fails or the user cancels, the rest
    // stay, alert 25 is shown, and false is answered. Never throws.
    bool Undo();

    const std::vector<Kurzweil::ObjectId>& Objects() const { return fObjects; }
    // "program 250, keymap 250, sample 200" of what an undo left behind;
    // empty when it left nothing.
    const std::string& LeftBehind() const { return fLeftBehind; }

private:
    // Deletes from the front while the user lets it; false when stopped.
    bool DeleteAll(bool withProgress);
    void NoteLeftBehind();

    CK2000Interface& fSampler;
    std::vector<Kurzweil::ObjectId> fObjects;
    std::string fLeftBehind;
};
