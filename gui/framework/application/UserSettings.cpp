#include "gui/framework/application/UserSettings.h"

#include "gui/framework/application/CLowLevelApplication.h"

QSettings UserSettings()
{
    return QSettings(QStringLiteral("Marlpit"), QString::fromStdString(CLowLevelApplication::Name()));
}
