#pragma once
// Checks shared by the exports before they write anything.
class CSliceRenderSet;

// The loop between the locators must hold frames: an empty sound or equal
// locators leave nothing to export and no length to scale positions by.
// XBadFormat otherwise.
void CheckLoopHasLength(const CSliceRenderSet& renderSet);
