#include "app/preferences/DocumentPreferencesMapping.h"

#include "samplers/preferences/QuilletPreferences.h"

DocumentPreferences DocumentPreferencesFrom(const QuilletPreferences& preferences)
{
    const CQuilletApplicationPreferences& application = preferences.application;
    const CQuilletDefaultDocumentPreferences& defaults = preferences.defaultDocument;
    DocumentPreferences documents;
    documents.alwaysMoveLeftLocator = application.AlwaysMoveLeftLocator();
    documents.scrollDuringPlayback = application.ScrollDuringPlayback();
    documents.setBarsToOne = application.SetBarsToOne();
    const CQuilletApplicationPreferences::Colour colour = application.WaveformColour();
    documents.look.waveform = {colour.red, colour.green, colour.blue};
    documents.look.contrast = application.Contrast();
    documents.look.style = static_cast<WaveformStyle>(application.Look());
    documents.lastUsed.normalize = defaults.Normalize();
    documents.lastUsed.silenceSelected = defaults.SilenceSelected();
    documents.lastUsed.separateSamples = defaults.SeparateSamples();
    documents.lastUsed.pitchMode = defaults.PitchMode();
    documents.lastUsed.stretch = defaults.Stretch();
    return documents;
}

void StoreDocumentPreferences(const DocumentPreferences& documents, QuilletPreferences& preferences)
{
    CQuilletApplicationPreferences& application = preferences.application;
    CQuilletDefaultDocumentPreferences& defaults = preferences.defaultDocument;
    application.SetAlwaysMoveLeftLocator(documents.alwaysMoveLeftLocator);
    application.SetScrollDuringPlayback(documents.scrollDuringPlayback);
    application.SetSetBarsToOne(documents.setBarsToOne);
    const RGBColor16 colour = documents.look.waveform;
    application.SetWaveformColour({colour.red, colour.green, colour.blue});
    application.SetContrast(static_cast<std::uint8_t>(documents.look.contrast));
    application.SetLook(static_cast<std::int32_t>(documents.look.style));
    defaults.SetNormalize(documents.lastUsed.normalize);
    defaults.SetSilenceSelected(documents.lastUsed.silenceSelected);
    defaults.SetSeparateSamples(documents.lastUsed.separateSamples);
    defaults.SetPitchMode(documents.lastUsed.pitchMode);
    defaults.SetStretch(documents.lastUsed.stretch);
}
