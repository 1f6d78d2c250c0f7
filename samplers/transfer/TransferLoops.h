#pragma once
// The data loops of every transfer: the frames of one slice handed to a
// transmitter, and the frames of one sample taken from a receiver, each with
// progress and the Stop button of a lengthy operation.
#include <cstdint>

#include "samplers/transfer/ReceivedSample.h"

class CABCSampleReceiver;
class CABCSampleTransmitter;
class CLengthyOperation;
class WAVE_SAMPLE;

// The format of a rendered slice: its name, rate and length, mono 16-bit,
// no loop.
SampleFormat SliceFormat(const WAVE_SAMPLE& slice);

// Sends `slice` through a transmitter that has begun a sample of it, in
// chunks of at most `chunkFrames` 16-bit frames, while the transmitter is
// active. Frames past the slice's end (a family may lengthen a sample) go
// out as silence. `value` is the number the progress window shows (slices
// left). A press of Stop sets the text "Sample Transmit cancelled!",
// cancels the transmitter and raises XSampleTransmitCancelled.
void SendFrames(CABCSampleTransmitter& transmitter, const WAVE_SAMPLE& slice, std::uint32_t chunkFrames,
                CLengthyOperation& progress, std::int32_t value);

// Begins `receiver` and takes every frame it delivers, as 16-bit samples
// (32-bit words keep their top 16 bits). A press of Stop sets the text
// "Sample Receive cancelled!", cancels the receiver and raises
// XSampleTransmitCancelled.
ReceivedSample ReceiveFrames(CABCSampleReceiver& receiver, CLengthyOperation& progress);
