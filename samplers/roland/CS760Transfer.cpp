#include "samplers/roland/CS760Transfer.h"

#include <algorithm>

#include "framework/exceptions/GeneralExceptions.h"
#include "framework/progress/CLengthyOperation.h"
#include "samplers/devices/CSamplerMIDIConnection.h"
#include "samplers/roland/CS760LoopTransmission.h"
#include "samplers/roland/CS760MIDIReceiver.h"
#include "samplers/roland/S760Names.h"
#include "samplers/transfer/TransferLoops.h"
#include "slicing/CSliceRenderSet.h"
#include "sound/WAVE_SAMPLE.h"

namespace {

// "3 to 5" for consecutive numbers, else "3, 7, 8".
std::string NumbersText(const std::vector<std::uint16_t>& numbers)
{
    const bool consecutive = std::adjacent_find(numbers.begin(), numbers.end(), [](std::uint16_t a, std::uint16_t b) {
                                 return b != a + 1;
                             }) == numbers.end();
    if (consecutive && numbers.size() > 1)
        return std::to_string(numbers.front()) + " to " + std::to_string(numbers.back());
    std::string text;
    for (const std::uint16_t number : numbers)
        text += (text.empty() ? "" : ", ") + std::to_string(number);
    return text;
}

}  // namespace

CS760Transfer::CS760Transfer(std::unique_ptr<CSamplerMIDIConnection> connection, std::uint8_t sysexId)
    : fConnection(std::move(connection)), fInterface(fConnection->Parser(), fConnection->Output(), sysexId)
{
}

CS760Transfer::~CS760Transfer() = default;

void CS760Transfer::Transmit(const CSliceRenderSet& slices, const TransmitRequest& request,
                             CLengthyOperation& progress)
{
    fReport.clear();
    CSliceRenderSet atRate(slices);
    atRate.SetTargetRate(S760::SnapRate(request.sampleRate ? request.sampleRate : slices.TargetRate()));
    std::string patchName = S760::PatchNameForm(request.programName);
    if (request.programName.empty())
        patchName = CS760LoopTransmission::DefaultPatchName(atRate.Count() > 0 ? atRate.Render(0)->Name() : "");
    CS760LoopTransmission transmission(fInterface, progress);
    const CS760LoopTransmission::Result result = transmission.Run(atRate, patchName, request.templateName);
    fReport = std::string(result.samples.size() == 1 ? "sample " : "samples ") + NumbersText(result.samples) +
              " in patch \"" + result.patchName + "\" (number " + std::to_string(result.patch) + ") on keys " +
              std::to_string(result.baseKey) + " to " + std::to_string(result.baseKey + result.slices - 1);
}

ReceivedSample CS760Transfer::Receive(const ReceiveRequest& request, CLengthyOperation& progress)
{
    if (request.sampleNumber > LastSampleNumber())
        throw XInternalError();
    progress.SetTitle(Res::kStringReceivingSample);
    const std::unique_ptr<CS760MIDIReceiver> receiver =
        fInterface.MakeReceiver(static_cast<std::uint16_t>(request.sampleNumber));
    ReceivedSample received = ReceiveFrames(*receiver, progress);
    received.samples.resize(std::size_t{received.format.length} * received.format.channels);
    return received;
}

std::vector<std::string> CS760Transfer::PatchNames(CLengthyOperation& progress)
{
    progress.SetTitle(Res::kStringReceivingSampleNames);
    CS760FileList list(S760::kPatchCount);
    fInterface.ReadFileList(CS760FileList::kPatch, list, &progress);
    std::vector<std::string> names;
    for (const CS760FileList::Entry& entry : list.OfCategory(CS760FileList::kPatch))
        names.push_back(entry.name);
    return names;
}
