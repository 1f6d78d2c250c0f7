#pragma once
// Transfers with an AKAI S1000/S3000-family sampler. Transmitting builds
// one program named as asked (after the loop when no name is asked for; a
// name of no AKAI character at all is refused with alert 52), from a
// template program in the sampler or
// the model's defaults: one sample per slice, named after the program and
// numbered, each sent as a sample header followed by its data by the
// Sample Dump Standard; then the program header and one keygroup per
// slice, slice i on key 36 + i. A program of the same name is replaced
// when the user agrees (its samples go with it). A sample is received by
// its number in the sample list.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "samplers/akai/CABCAKAIInterface.h"
#include "samplers/transfer/CABCSamplerTransfer.h"

class CAKAITransfer : public CABCSamplerTransfer {
public:
    static constexpr int kBaseKey = 36;
    static constexpr int kMostKeygroups = 99;
    static constexpr std::uint32_t kChunkFrames = 8192;
    static constexpr std::uint8_t kRootKey = 60;

    explicit CAKAITransfer(std::unique_ptr<CABCAKAIInterface> interface);

    // min(99, 128 - base key).
    int SliceLimit() const override;
    std::uint32_t FirstSampleNumber() const override { return 0; }
    std::uint32_t LastSampleNumber() const override;
    void Transmit(const CSliceRenderSet& slices, const TransmitRequest& request,
                  CLengthyOperation& progress) override;
    std::string TransmitReport() const override { return fReport; }
    ReceivedSample Receive(const ReceiveRequest& request, CLengthyOperation& progress) override;
    std::vector<std::string> ProgramNames() override;
    std::vector<std::string> SampleNames() override;

    // The name of slice `index` of a program: the program name blank-padded
    // to 12 characters, its last three the number from 1.
    static std::string SampleName(const std::string& program, int index);

private:
    struct Program {
        AKAIBlock::Bytes header;
        AKAIBlock::Bytes keygroup;
    };

    Program StartProgram(const std::string& name, const std::string& templateName, CLengthyOperation& progress);
    void Retune(AKAIBlock::Bytes& header, const CSliceRenderSet& slices) const;
    // Deletes the program of that name and the samples its keygroups name.
    void ReplaceProgram(std::uint16_t number, CLengthyOperation& progress);
    void CheckRoom(const CSliceRenderSet& slices, int count);
    void SendSamples(const CSliceRenderSet& slices, const std::vector<std::string>& names,
                     CLengthyOperation& progress);
    void SendSample(const CSliceRenderSet& slices, int index, const std::string& name, int left,
                    CLengthyOperation& progress);
    void CreateProgram(Program& program, const std::vector<std::string>& names, CLengthyOperation& progress);

    std::unique_ptr<CABCAKAIInterface> fInterface;
    std::string fReport;
};
