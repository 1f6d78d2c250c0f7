#include "gui/framework/windows/CModelessDialog.h"

#include <QWidget>

CModelessDialog::CModelessDialog(std::uint16_t templateNumber)
{
    Widget().setWindowFlags(Qt::Dialog);
    Widget().setWindowModality(Qt::NonModal);
    LoadTemplate(templateNumber);
}
