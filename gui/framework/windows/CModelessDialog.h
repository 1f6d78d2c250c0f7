#pragma once
// A dialog from a template that stays beside the other windows without
// holding up the program; closing it hides it.
#include <cstdint>

#include "gui/framework/windows/CABCWindow.h"

class CModelessDialog : public CABCWindow {
public:
    explicit CModelessDialog(std::uint16_t templateNumber);
};
