#pragma once
// Between the preferences file's application and default-document records
// and the settings the document windows read and change while the program
// runs (waveform look, left locator, scrolling, bars, the last used toggles).
#include "document/window/DocumentPreferences.h"

struct QuilletPreferences;

DocumentPreferences DocumentPreferencesFrom(const QuilletPreferences& preferences);
void StoreDocumentPreferences(const DocumentPreferences& documents, QuilletPreferences& preferences);
