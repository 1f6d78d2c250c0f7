// Writes the demo loop: two bars of 4/4 at 120 BPM, 44.1 kHz, 16-bit stereo AIFF.
#include <iostream>

#include "formats/sound/AIFFFile.h"
#include "framework/exceptions/XBase.h"
#include "framework/files/CFileSpec.h"
#include "slicing/synth/CDrumLoopSynthesizer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_demo_loop FILE.aif\n";
        return 2;
    }
    try {
        const DrumLoop loop = CDrumLoopSynthesizer(44100).RenderPattern(CDrumLoopSynthesizer::DemoPattern(), 120.0);
        WriteStereoAIFF(CFileSpec(argv[1]), loop.rate, loop.Interleaved());
    } catch (const XBase& failure) {
        std::cerr << argv[1] << ": " << failure.what() << '\n';
        return 1;
    }
    return 0;
}
