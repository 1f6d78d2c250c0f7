#include "gui/framework/alerts/CAlertBoxPresenter.h"

#include "gui/framework/alerts/CAlertBox.h"

std::int32_t CAlertBoxPresenter::Present(const AlertDefinition& alert)
{
    CAlertBox box(alert);
    return box.RunModal();
}
