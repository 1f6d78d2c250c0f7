#include "devices/scsi/SCSICommandBlock.h"

std::size_t SCSICommandBlock::Length() const
{
    switch (fBytes[0] >> 5) {
    case 1:
    case 2:
        return 10;
    case 4:
        return 16;
    case 5:
        return 12;
    default:
        return 6;
    }
}
