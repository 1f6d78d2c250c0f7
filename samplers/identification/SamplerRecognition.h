#pragma once
// What the sampler search sends and how it reads the answers: the three
// requests of the MIDI scan on one SysEx channel, the sampler a message
// heard names, and the sampler an INQUIRY names.
#include <optional>
#include <vector>

#include "samplers/identification/Identification.h"

// In this order: the Roland identity request, the AKAI status request, the
// Universal Identity Request.
std::vector<SysexBytes> ScanRequests(std::uint8_t channel);
// An Identity Reply of a Kurzweil or Yamaha, a Roland identity reply, or an
// AKAI status; nothing for anything else.
std::optional<IdentifiedSampler> RecogniseMIDIAnswer(const SysexBytes& message);
// The Kurzweil, Yamaha, E-mu and AKAI readings in turn, a later one that
// recognises the device replacing an earlier one.
std::optional<IdentifiedSampler> RecogniseSCSIAnswer(const InquiryIdentity& inquiry);
