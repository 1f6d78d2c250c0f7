#include "gui/framework/windows/CModelessDialog.h"

#include <QWidget>

CModelessDialog::CModelessDialog(std::uint16_t templateNumber)
{
    SetDialogCaption(true);
    Widget().setWindowModality(Qt::NonModal);
    LoadTemplate(templateNumber);
}
