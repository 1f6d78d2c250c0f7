#pragma once
// A picture of the sampler dialogs, drawn by the program: the front panel of
// a sampler model (pictures 15000-15090: rack units, keyboards, and sheets
// for the file exports) or the status icon of a sampler (13300 verified,
// 13301 not verified).
#include <cstdint>

#include "gui/framework/views/CView.h"

class QPainter;
class QRect;

class CSamplerPictureView : public CView {
public:
    static constexpr std::uint32_t kVerifiedIcon = 13300;
    static constexpr std::uint32_t kUnverifiedIcon = 13301;
    static constexpr std::uint32_t kNoSampler = 15090;

    CSamplerPictureView(CGroupView* parent, const PixelRect& frame, std::uint32_t picture);

    std::uint32_t Picture() const { return fPicture; }
    void SetPicture(std::uint32_t picture);
    void Draw(QPainter& painter) override;

    // Paints picture into the rectangle.
    static void Paint(QPainter& painter, const QRect& area, std::uint32_t picture);

private:
    std::uint32_t fPicture;
};
