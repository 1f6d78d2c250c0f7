#include "framework/ui/alerts/CAlertBoxPresenter.h"

#include "framework/ui/alerts/CAlertBox.h"

std::int32_t CAlertBoxPresenter::Present(const AlertDefinition& alert)
{
    CAlertBox box(alert);
    return box.RunModal();
}
