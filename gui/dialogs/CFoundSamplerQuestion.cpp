#include "gui/dialogs/CFoundSamplerQuestion.h"

#include "gui/dialogs/CFoundSamplerInfoDialog.h"

bool CFoundSamplerQuestion::Ask(const CInstalledSampler& found, ResourceId question,
                                const CInstalledSamplerList& installed)
{
    CFoundSamplerInfoDialog dialog(found, question, installed, fConnections);
    return dialog.Ask();
}
