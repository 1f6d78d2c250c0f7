#pragma once
// Transfers with an A3000 over MIDI: a sliced loop goes out as one sample
// per slice, named after the sample bank and numbered, on consecutive keys
// from 36, and then a sample bank that maps them; the samples and the bank
// start from a template in the sampler (a sample, or a bank and its first
// sample) or from defaults. Bank and sample names must be new. Afterwards
// the object list is read again and every object sent is looked for by
// name; any missing one fails the transmission (alert 64). A sample is
// received by its place among the samples of the object list, from 1.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "samplers/transfer/CABCSamplerTransfer.h"
#include "samplers/yamaha/CA3000Interface.h"

class CSamplerMIDIConnection;

class CA3000Transfer : public CABCSamplerTransfer {
public:
    static constexpr std::uint8_t kFirstKey = 36;
    static constexpr int kMostSlices = 92;
    static constexpr std::uint32_t kFirstSample = 1;
    static constexpr std::uint32_t kLastSample = 9999;
    // The pause before the bank is stored, while the sampler files the last
    // sample.
    static constexpr std::int64_t kBankDelay = 5000;

    // `makeInterface` makes the conversation on the connection's ports for
    // a device number (the MIDI one unless the wave data go another way).
    using InterfaceMaker =
        std::function<std::unique_ptr<CA3000Interface>(CSamplerMIDIConnection&, std::uint8_t device)>;
    CA3000Transfer(std::unique_ptr<CSamplerMIDIConnection> connection, InterfaceMaker makeInterface);
    // Wave data over MIDI too.
    explicit CA3000Transfer(std::unique_ptr<CSamplerMIDIConnection> connection);
    ~CA3000Transfer() override;

    int SliceLimit() const override { return kMostSlices; }
    std::uint32_t FirstSampleNumber() const override { return kFirstSample; }
    std::uint32_t LastSampleNumber() const override { return kLastSample; }
    // The bank is request.programName ("Unnamed SmpBank" when empty), the
    // template request.templateName (none when empty).
    void Transmit(const CSliceRenderSet& slices, const TransmitRequest& request,
                  CLengthyOperation& progress) override;
    std::string TransmitReport() const override { return fReport; }
    // XSampleDoesNotExist when the sampler holds fewer samples.
    ReceivedSample Receive(const ReceiveRequest& request, CLengthyOperation& progress) override;

    // The names of the sampler's sample banks and then of its samples, and
    // of its samples alone, from its object list read afresh.
    std::vector<std::string> TemplateNames(std::uint8_t device);
    std::vector<std::string> SampleNames(std::uint8_t device);

    // The conversation on that device number, kept from one transfer to the
    // next (its busy time with it).
    CA3000Interface& Interface(std::uint8_t device);
    // The name of slice `index`'s sample in bank `bank`.
    static std::string SampleName(const std::string& bank, int index);
    // The bank name a transmission uses for `requested`.
    static std::string BankName(const std::string& requested);

private:
    struct Template {
        CA3000SampleBank bank;
        CA3000SampleParameters sample;
    };
    // The names of the objects of each kind in turn.
    std::vector<std::string> Names(std::uint8_t device, std::initializer_list<std::uint32_t> kinds);
    Template ReadTemplate(CA3000Interface& a3000, const std::string& name, CLengthyOperation& progress);

    std::unique_ptr<CSamplerMIDIConnection> fConnection;
    InterfaceMaker fMakeInterface;
    std::unique_ptr<CA3000Interface> fInterface;
    std::string fReport;
};
