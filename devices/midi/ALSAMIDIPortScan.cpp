#include "devices/midi/ALSAMIDIPortScan.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cstdarg>

#include "devices/midi/CRegisteredMIDIPort.h"

namespace {

// ALSA prints its own complaints on stderr unless told otherwise.
void Quiet(const char*, int, const char*, int, const char*, ...) {}

std::string UniqueName(std::string name, const std::vector<ALSAMIDIPort>& taken)
{
    const auto used = [&taken](const std::string& candidate) {
        return std::any_of(taken.begin(), taken.end(), [&](const ALSAMIDIPort& p) { return p.name == candidate; });
    };
    name = name.substr(0, CRegisteredMIDIPort::kNameLength);
    std::string candidate = name;
    for (int n = 2; used(candidate); ++n) {
        const std::string suffix = " #" + std::to_string(n);
        candidate = name.substr(0, CRegisteredMIDIPort::kNameLength - suffix.size()) + suffix;
    }
    return candidate;
}

void ScanDevice(snd_ctl_t* control, const std::string& cardId, int device, snd_rawmidi_stream_t stream,
                std::vector<ALSAMIDIPort>& ports)
{
    snd_rawmidi_info_t* info;
    snd_rawmidi_info_alloca(&info);
    snd_rawmidi_info_set_device(info, device);
    snd_rawmidi_info_set_subdevice(info, 0);
    snd_rawmidi_info_set_stream(info, stream);
    if (snd_ctl_rawmidi_info(control, info) < 0)
        return;
    const unsigned int count = snd_rawmidi_info_get_subdevices_count(info);
    for (unsigned int sub = 0; sub < count; ++sub) {
        snd_rawmidi_info_set_subdevice(info, sub);
        if (snd_ctl_rawmidi_info(control, info) < 0)
            continue;
        std::string name = snd_rawmidi_info_get_subdevice_name(info);
        if (name.empty())
            name = snd_rawmidi_info_get_name(info) + (count > 1 ? " " + std::to_string(sub + 1) : "");
        const std::string address =
            "hw:CARD=" + cardId + ",DEV=" + std::to_string(device) + ",SUBDEV=" + std::to_string(sub);
        ports.push_back({UniqueName(name, ports), address});
    }
}

}  // namespace

ALSAMIDIPorts ScanALSAMIDIPorts()
{
    snd_lib_error_set_handler(Quiet);
    ALSAMIDIPorts ports;
    int card = -1;
    while (snd_card_next(&card) == 0 && card >= 0) {
        snd_ctl_t* control;
        if (snd_ctl_open(&control, ("hw:" + std::to_string(card)).c_str(), 0) < 0)
            continue;
        snd_ctl_card_info_t* cardInfo;
        snd_ctl_card_info_alloca(&cardInfo);
        if (snd_ctl_card_info(control, cardInfo) == 0) {
            const std::string cardId = snd_ctl_card_info_get_id(cardInfo);
            int device = -1;
            while (snd_ctl_rawmidi_next_device(control, &device) == 0 && device >= 0) {
                ScanDevice(control, cardId, device, SND_RAWMIDI_STREAM_INPUT, ports.inputs);
                ScanDevice(control, cardId, device, SND_RAWMIDI_STREAM_OUTPUT, ports.outputs);
            }
        }
        snd_ctl_close(control);
    }
    return ports;
}
