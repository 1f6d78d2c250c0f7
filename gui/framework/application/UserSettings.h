#pragma once
// The framework's per-user settings (the frame's placement, the recently used
// documents), kept under the distributor's name and the program's.
#include <QSettings>

QSettings UserSettings();
