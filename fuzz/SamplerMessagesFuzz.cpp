// Feeds arbitrary bytes to the readers of what samplers send: the first byte
// picks a reader, the rest is the message, block or dump it reads. Readers
// may refuse with the program's own exceptions; a crash, a read outside the
// bytes, an endless loop or a runaway allocation is a fault.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "samplers/akai/AKAIBlocks.h"
#include "samplers/akai/AKAIMessages.h"
#include "samplers/ensoniq/CEnsoniqInstrumentParameters.h"
#include "samplers/ensoniq/CEnsoniqLayerParameters.h"
#include "samplers/ensoniq/CEnsoniqWaveParameters.h"
#include "samplers/ensoniq/EnsoniqMessages.h"
#include "samplers/identification/AKAIIdentification.h"
#include "samplers/identification/EnsoniqIdentification.h"
#include "samplers/identification/SamplerRecognition.h"
#include "samplers/kurzweil/CK2000Keymap.h"
#include "samplers/kurzweil/CK2000Program.h"
#include "samplers/kurzweil/CK2000SoundBlock.h"
#include "samplers/kurzweil/KurzweilMessages.h"
#include "samplers/roland/CRolandLink.h"
#include "samplers/roland/CS760FileList.h"
#include "samplers/roland/S760SampleParameters.h"
#include "samplers/sds/SDSMessages.h"
#include "samplers/smdi/CSMDISampleHeader.h"
#include "samplers/smdi/SMDIMessage.h"
#include "samplers/yamaha/A3000Dump.h"
#include "samplers/yamaha/CA3000ObjectList.h"
#include "samplers/yamaha/CA3000SampleBank.h"
#include "samplers/yamaha/CA3000SampleParameters.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void ReadAKAIBlock(const Bytes& m)
{
    // The message's own operation and length choose the block kind and size.
    const std::uint8_t operation = m.size() > 3 ? m[3] : AKAI::kProgram;
    const std::size_t size = m.size() == AKAI::BlockMessageLength(operation, AKAIBlock::kS3000Size)
                                 ? AKAIBlock::kS3000Size
                                 : AKAIBlock::kS1000Size;
    const AKAI::Block block = AKAI::ParseBlock(m, operation, size);
    if (operation == AKAI::kProgram) {
        AKAIBlock::ProgramName(block.data);
        AKAIBlock::KeygroupCount(block.data);
        AKAIBlock::ProgramTune(block.data);
    } else if (operation == AKAI::kKeygroup) {
        AKAIBlock::LowKey(block.data);
        AKAIBlock::HighKey(block.data);
        for (int zone = 0; zone < AKAIBlock::kZones; ++zone)
            AKAIBlock::ZoneSample(block.data, zone);
    } else {
        AKAIBlock::SampleName(block.data);
        AKAIBlock::SampleLength(block.data);
        AKAIBlock::SampleRate(block.data);
        AKAIBlock::SampleRootKey(block.data);
    }
}

// The category asked for, then the entries of a file-list message.
void ReadS760FileList(const Bytes& m)
{
    if (!m.empty())
        CS760FileList(64).AddFromMessage(m.data() + 1, m.size() - 1, m[0]);
}

void ReadKurzweilMessage(const Bytes& m)
{
    switch (Kurzweil::CommandOf(m)) {
    case Kurzweil::kObjectInfo: Kurzweil::ParseInfo(m); break;
    case Kurzweil::kNameObject: Kurzweil::ParseName(m); break;
    case Kurzweil::kWriteObject: Kurzweil::ParseWrite(m); break;
    case Kurzweil::kDataAcknowledge: Kurzweil::AcknowledgedId(m); break;
    case Kurzweil::kDataRefused: Kurzweil::RefusalReason(m); break;
    default: Kurzweil::ObjectOf(m); break;
    }
}

void ReadK2000Program(const Bytes& m)
{
    CK2000Program program(1, "p");
    program.Read(m);
    for (std::size_t layer = 0; layer < program.LayerCount(); ++layer) {
        program.LowKey(layer);
        program.FirstKeymap(layer);
        program.SecondKeymap(layer);
        program.Transpose(layer, program.Coarse(layer) * 100 + program.Fine(layer) + 1);
    }
    program.Data();
}

void ReadK2000Keymap(const Bytes& m)
{
    CK2000Keymap keymap(1, "k");
    keymap.Read(m);
    for (std::size_t zone = 0; zone < CK2000Keymap::kZones; ++zone)
        for (int key = 0; key < 128; key += 7)
            keymap.Find(zone, key);
    keymap.SampleIds();
    keymap.Data();
}

void ReadEnsoniqMessage(const Bytes& m)
{
    Ensoniq::ParseCommand(m);
    Ensoniq::ParseResponse(m);
    Ensoniq::ParseControl(m);
    Ensoniq::IsCancel(m);
    Ensoniq::ParseData(m, m.size() / 3);
}

void ReadEnsoniqBlock(const Bytes& m)
{
    // The length tells the block kind; any other length is refused.
    if (m.size() == Ensoniq::DataLength(CEnsoniqInstrumentParameters::kWords)) {
        CEnsoniqInstrumentParameters instrument;
        instrument.Read(m);
        instrument.FirstFreeWave();
    } else if (m.size() == Ensoniq::DataLength(CEnsoniqLayerParameters::kWords)) {
        CEnsoniqLayerParameters layer;
        layer.Read(m);
        layer.FreeKeyFrom(CEnsoniqLayerParameters::kLowestKey);
    } else {
        CEnsoniqWaveParameters wave;
        wave.Read(m);
        wave.Name();
        wave.Frames();
        wave.Format(16);
    }
}

void ReadA3000Dump(const Bytes& m)
{
    std::uint8_t device = 0;
    std::string type;
    std::string name;
    A3000::ReadDumpRequest(m, device, type, name);
    if (!A3000::IsBulkDump(m) || !A3000::ReadDumpHead(m, type, name))
        return;
    const Bytes data = A3000::ReadBulkDump(m, type, name);
    if (type == A3000::kObjectList)
        CA3000ObjectList::Read(data);
    else if (type == A3000::kSampleBank)
        CA3000SampleBank::Read(data);
    else
        CA3000SampleParameters::Read(data).Format();
}

void ReadSDS(const Bytes& m)
{
    if (SDS::IsHandshake(m))
        SDS::ParseHandshake(m);
    if (SDS::IsDumpRequest(m))
        SDS::ParseRequestedNumber(m);
    if (SDS::IsDumpHeader(m))
        SDS::FormatOf(SDS::ParseHeader(m));
    if (SDS::IsDataPacket(m)) {
        std::array<std::int32_t, SDS::kPacketDataBytes> frames{};
        const std::uint8_t bits = static_cast<std::uint8_t>(8 + m[4] % 21);
        SDS::UnpackWords(m, bits, frames.data(), SDS::WordsPerPacket(bits));
    }
}

void ReadSMDI(const Bytes& m)
{
    const auto message = SMDIMessage::Parse(m.data(), m.size());
    if (!message)
        return;
    message->Number24(message->data.size() / 2);
    if (const auto header = CSMDISampleHeader::Read(*message))
        header->Format();
}

void ReadS760Parameters(const Bytes& m)
{
    std::array<std::uint8_t, S760::kParameterBytes> block{};
    std::copy_n(m.begin(), std::min(m.size(), block.size()), block.begin());
    S760::ParametersToFormat(S760::SampleParameters::Decode(block));
}

void ReadIdentityAnswer(const Bytes& m)
{
    const std::uint8_t channel = m.size() > 2 ? m[2] : 0;
    RecogniseMIDIAnswer(m);
    AKAIIdentification::RecogniseModel(m, channel);
    EnsoniqIdentification::IsOnlineAnswer(m, channel);
}

// An INQUIRY answer's fields: type, vendor (8), product (16), revision.
void ReadInquiry(const Bytes& m)
{
    InquiryIdentity inquiry;
    const auto text = [&m](std::size_t at, std::size_t count) {
        at = std::min(at, m.size());
        return std::string(m.begin() + static_cast<std::ptrdiff_t>(at),
                           m.begin() + static_cast<std::ptrdiff_t>(std::min(m.size(), at + count)));
    };
    inquiry.peripheralType = m.empty() ? 0 : m[0];
    inquiry.vendor = text(1, 8);
    inquiry.product = text(9, 16);
    inquiry.revision = text(25, m.size());
    RecogniseSCSIAnswer(inquiry);
}

void Read(std::uint8_t reader, const Bytes& m)
{
    switch (reader % 20) {
    case 0: AKAI::CheckReply(m); break;
    case 1: AKAI::ParseNameList(m, m.size() > 3 ? m[3] : AKAI::kProgramList); break;
    case 2: AKAI::ParseStatus(m); break;
    case 3: ReadAKAIBlock(m); break;
    case 4: ReadS760FileList(m); break;
    case 5: CRolandLink::ParseData(m, Roland::kDAT, m.size() >= 9 ? Roland::AddressOf(m) : 0, Roland::kMaxPiece); break;
    case 6: ReadKurzweilMessage(m); break;
    case 7: Kurzweil::UnpackBitStream(m.data(), m.size()); break;
    case 8: ReadK2000Program(m); break;
    case 9: ReadK2000Keymap(m); break;
    case 10: CK2000SoundBlock(1, "s").Read(m); break;
    case 11: ReadEnsoniqMessage(m); break;
    case 12: ReadEnsoniqBlock(m); break;
    case 13: ReadA3000Dump(m); break;
    case 14: CA3000ObjectList::Read(m); break;
    case 15: ReadSDS(m); break;
    case 16: ReadSMDI(m); break;
    case 17: ReadS760Parameters(m); break;
    case 18: ReadIdentityAnswer(m); break;
    default: ReadInquiry(m); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    try {
        Read(data[0], Bytes(data + 1, data + size));
    } catch (const std::exception&) {
    }
    return 0;
}
