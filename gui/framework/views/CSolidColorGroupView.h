#pragma once
// A group that fills its background with one colour (0xRRGGBB).
#include <cstdint>

#include "gui/framework/views/CGroupView.h"

class CSolidColorGroupView : public CGroupView {
public:
    CSolidColorGroupView(CGroupView* parent, const PixelRect& frame, std::uint32_t rgb);

    std::uint32_t Color() const { return fColor; }
    void SetColor(std::uint32_t rgb);
    void Draw(QPainter& painter) override;

private:
    std::uint32_t fColor;
};
