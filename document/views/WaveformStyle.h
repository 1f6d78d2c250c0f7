#pragma once
// How the waveform is drawn: the preference "Look", pop-up menu 8 "Waveform Type".
enum class WaveformStyle : int {
    kPlain = 0,  // each column one segment in the waveform colour
    k3D = 1,     // rising and falling edges in a light and a dark shade
    kShaded = 2, // each column a gradient from the lightest to the darkest shade
};
