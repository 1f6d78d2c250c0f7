#include "simulators/CSimulatedSDSSampler.h"

#include <algorithm>

CSimulatedSDSSampler::CSimulatedSDSSampler(std::uint8_t channel, std::int64_t turnaround)
    : CSimulatedSDSSampler(SimulatedIdentity{}, channel, turnaround)
{
}

CSimulatedSDSSampler::CSimulatedSDSSampler(SimulatedIdentity identity, std::uint8_t channel, std::int64_t turnaround)
    : CSimulatedInstrument(std::move(identity)), fChannel(channel), fTurnaround(turnaround)
{
}

CSimulatedSDSSampler::~CSimulatedSDSSampler()
{
    Disconnect();
}

void CSimulatedSDSSampler::SetFaults(const SDSSamplerFaults& faults)
{
    std::lock_guard lock(fMutex);
    fFaults = faults;
}

std::map<std::uint16_t, CSimulatedSDSSampler::Sample> CSimulatedSDSSampler::Samples() const
{
    std::lock_guard lock(fMutex);
    return fSamples;
}

void CSimulatedSDSSampler::Store(std::uint16_t number, const Sample& sample)
{
    std::lock_guard lock(fMutex);
    fSamples[number] = sample;
}

void CSimulatedSDSSampler::Erase(std::uint16_t number)
{
    std::lock_guard lock(fMutex);
    fSamples.erase(number);
}

CSimulatedSDSSampler::Sample CSimulatedSDSSampler::MakeSample(const std::vector<std::int16_t>& samples,
                                                              std::uint32_t rate)
{
    SampleFormat format;
    format.rate = rate;
    format.length = static_cast<std::uint32_t>(samples.size());
    Sample sample{SDS::HeaderOf(format, 0), {}};
    const std::uint32_t perPacket = SDS::WordsPerPacket(16);
    for (std::uint32_t first = 0; first < format.length; first += perPacket) {
        const std::uint32_t count = std::min(perPacket, format.length - first);
        const SDS::Bytes packet = SDS::DataPacket(0, 0, 16, samples.data() + first, count);
        sample.data.insert(sample.data.end(), packet.begin() + 5, packet.begin() + 5 + count * 3);
    }
    return sample;
}

std::vector<std::int16_t> CSimulatedSDSSampler::Samples16(std::uint16_t number) const
{
    std::lock_guard lock(fMutex);
    const Sample& sample = fSamples.at(number);
    const std::size_t width = SDS::BytesPerWord(sample.header.bits);
    std::vector<std::int16_t> words(sample.header.length);
    SDS::Bytes packet(SDS::kPacketLength, 0);
    const std::uint32_t perPacket = SDS::WordsPerPacket(sample.header.bits);
    for (std::uint32_t first = 0; first < sample.header.length; first += perPacket) {
        const std::uint32_t count = std::min(perPacket, sample.header.length - first);
        std::fill(packet.begin(), packet.end(), 0);
        std::copy_n(sample.data.begin() + static_cast<std::ptrdiff_t>(first * width), count * width,
                    packet.begin() + 5);
        SDS::UnpackWords(packet, sample.header.bits, words.data() + first, count);
    }
    return words;
}

void CSimulatedSDSSampler::OnSampleStored(std::uint16_t, const Sample&)
{
}

void CSimulatedSDSSampler::Answer(SDS::Bytes message)
{
    SendSysex(std::move(message), fTurnaround);
}

void CSimulatedSDSSampler::Acknowledge(std::uint8_t type, std::uint8_t packet, bool ofHeader)
{
    std::int64_t delay = fTurnaround;
    if (type == SDS::kACK) {
        for (; fFaults.waits > 0; --fFaults.waits) {
            SendSysex(SDS::HandshakeMessage(fChannel, SDS::kWait, packet), delay);
            delay += fFaults.waitSpacing;
        }
    }
    if (!ofHeader && fFaults.wrongPacketNumbers > 0) {
        --fFaults.wrongPacketNumbers;
        packet = (packet + 1) & 0x7F;
    }
    SendSysex(SDS::HandshakeMessage(fChannel, type, packet), delay);
}

bool CSimulatedSDSSampler::CancelsHere(int packet)
{
    if (fFaults.cancelAtPacket != packet)
        return false;
    fFaults.cancelAtPacket.reset();
    fIncoming.reset();
    fOutgoing.reset();
    Answer(SDS::HandshakeMessage(fChannel, SDS::kCancel, 0));
    return true;
}

void CSimulatedSDSSampler::OnSysex(const std::vector<std::uint8_t>& message)
{
    std::lock_guard lock(fMutex);
    if (fFaults.silent || message.size() < 4 || message[1] != SDS::kUniversalNonRealTime || message[2] != fChannel)
        return;
    if (SDS::IsDumpHeader(message)) {
        ReceiveHeader(message);
    } else if (SDS::IsDataPacket(message)) {
        ReceivePacket(message);
    } else if (SDS::IsDumpRequest(message)) {
        StartDump(SDS::ParseRequestedNumber(message));
    } else if (SDS::IsHandshake(message)) {
        const SDS::Handshake handshake = SDS::ParseHandshake(message);
        if (handshake.type == SDS::kCancel) {
            fIncoming.reset();
            fOutgoing.reset();
        } else if (fOutgoing) {
            ContinueDump(handshake);
        }
    }
}

void CSimulatedSDSSampler::ReceiveHeader(const SDS::Bytes& message)
{
    fOutgoing.reset();
    fIncoming = Incoming{SDS::ParseHeader(message), {}, 0, 0};
    if (CancelsHere(0))
        return;
    Acknowledge(SDS::kACK, 0, true);
}

void CSimulatedSDSSampler::ReceivePacket(const SDS::Bytes& message)
{
    if (!fIncoming)
        return;
    Incoming& in = *fIncoming;
    const std::uint8_t number = message[4];
    if (CancelsHere(++in.packets))
        return;
    if (number != in.expected || message[SDS::kPacketLength - 2] != SDS::Checksum(message) || fFaults.naks > 0) {
        if (fFaults.naks > 0)
            --fFaults.naks;
        Acknowledge(SDS::kNAK, number);
        return;
    }
    const std::size_t wanted = std::size_t{in.header.length} * SDS::BytesPerWord(in.header.bits);
    const std::size_t take = std::min(SDS::kPacketDataBytes, wanted - std::min(wanted, in.data.size()));
    in.data.insert(in.data.end(), message.begin() + 5, message.begin() + 5 + static_cast<std::ptrdiff_t>(take));
    in.expected = (number + 1) & 0x7F;
    Acknowledge(SDS::kACK, number);
    if (in.data.size() >= wanted) {
        const std::uint16_t stored = in.header.sampleNumber;
        fSamples[stored] = Sample{in.header, std::move(in.data)};
        fIncoming.reset();
        OnSampleStored(stored, fSamples[stored]);
    }
}

void CSimulatedSDSSampler::StartDump(std::uint16_t number)
{
    fIncoming.reset();
    const auto found = fSamples.find(number);
    if (found == fSamples.end()) {
        Answer(SDS::HandshakeMessage(fChannel, SDS::kCancel, 0));
        return;
    }
    fOutgoing = Outgoing{number, 0, 0, false, {}};
    SDS::Header header = found->second.header;
    header.sampleNumber = number;
    Answer(SDS::DumpHeader(fChannel, header));
}

void CSimulatedSDSSampler::ContinueDump(const SDS::Handshake& handshake)
{
    Outgoing& out = *fOutgoing;
    if (!out.headerAcknowledged) {
        if (handshake.type != SDS::kACK)
            return;
        out.headerAcknowledged = true;
        SendNextPacket();
        return;
    }
    if (handshake.type == SDS::kNAK) {
        Answer(WithFaults(out.last));
        return;
    }
    if (handshake.type != SDS::kACK)
        return;
    out.packet = (out.packet + 1) & 0x7F;
    SendNextPacket();
}

void CSimulatedSDSSampler::SendNextPacket()
{
    Outgoing& out = *fOutgoing;
    const Sample& sample = fSamples.at(out.number);
    if (out.offset >= sample.data.size()) {
        fOutgoing.reset();
        return;
    }
    if (CancelsHere(static_cast<int>(out.offset / SDS::kPacketDataBytes) + 1))
        return;
    const std::size_t take = std::min(SDS::kPacketDataBytes, sample.data.size() - out.offset);
    SDS::Bytes packet = {0xF0, SDS::kUniversalNonRealTime, fChannel, SDS::kDataPacket, out.packet};
    packet.insert(packet.end(), sample.data.begin() + static_cast<std::ptrdiff_t>(out.offset),
                  sample.data.begin() + static_cast<std::ptrdiff_t>(out.offset + take));
    packet.resize(SDS::kPacketLength - 2, 0);
    packet.push_back(0);
    packet.push_back(0xF7);
    packet[SDS::kPacketLength - 2] = SDS::Checksum(packet);
    out.offset += take;
    out.last = packet;
    Answer(WithFaults(std::move(packet)));
}

SDS::Bytes CSimulatedSDSSampler::WithFaults(SDS::Bytes packet)
{
    if (fFaults.wrongPacketNumbers > 0) {
        --fFaults.wrongPacketNumbers;
        packet[4] = (packet[4] + 1) & 0x7F;
        packet[SDS::kPacketLength - 2] = SDS::Checksum(packet);
    }
    if (fFaults.badChecksums > 0) {
        --fFaults.badChecksums;
        packet[SDS::kPacketLength - 2] ^= 0x01;
    }
    return packet;
}
