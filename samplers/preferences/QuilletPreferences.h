#pragma once
// Everything of the running program that the preferences file keeps, apart
// from the sound card: the application and default-document preferences,
// the custom colours of the colour picker (white until the file says
// otherwise) and the installed samplers with the selected one.
#include "formats/preferences/CColorTablePreferences.h"
#include "formats/preferences/CQuilletApplicationPreferences.h"
#include "formats/preferences/CQuilletDefaultDocumentPreferences.h"
#include "samplers/model/CInstalledSamplerList.h"

struct QuilletPreferences {
    CQuilletApplicationPreferences application;
    CQuilletDefaultDocumentPreferences defaultDocument;
    CColorTablePreferences::Table customColours;
    CInstalledSamplerList samplers;
};
