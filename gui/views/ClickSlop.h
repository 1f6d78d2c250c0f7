#pragma once

// Pixels a press may move before it counts as a drag rather than a click.
constexpr int kClickSlop = 3;
