#include "gui/views/CSliceMarkerBitmaps.h"

#include "gui/graphics/CPictureResources.h"
#include "slicing/CSlice.h"

namespace {

constexpr int kFirstPicture = 13100;

int NumberOfSlot(int slot)
{
    return kFirstPicture + (slot / 2) * 10 + slot % 2;
}

int Slot(const CSlice& slice)
{
    const int state = slice.state == CSlice::kHidden ? 1 : slice.state == CSlice::kLocked ? 2 : 0;
    return state * 2 + (slice.selected ? 1 : 0);
}

}  // namespace

CSliceMarkerBitmaps::CSliceMarkerBitmaps()
{
    for (int slot = 0; slot < static_cast<int>(images_.size()); ++slot)
        images_[static_cast<std::size_t>(slot)] =
            CPictureResources::LoadMaskedBMP("SBMP", static_cast<std::uint16_t>(NumberOfSlot(slot)));
}

int CSliceMarkerBitmaps::PictureNumber(const CSlice& slice)
{
    return NumberOfSlot(Slot(slice));
}

const QImage& CSliceMarkerBitmaps::For(const CSlice& slice) const
{
    return images_[static_cast<std::size_t>(Slot(slice))];
}
