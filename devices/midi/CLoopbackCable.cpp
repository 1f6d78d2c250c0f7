#include "devices/midi/CLoopbackCable.h"

CLoopbackCable::CLoopbackCable(const std::string& name)
    : fName(name),
      fOutgoing([this](const std::uint8_t* bytes, std::size_t count) { ReachFarEnd(bytes, count); }),
      fIncoming([this](const std::uint8_t* bytes, std::size_t count) { ReachProgram(bytes, count); })
{
}

CLoopbackCable::~CLoopbackCable() = default;

void CLoopbackCable::AttachFarEnd(CABCMIDIByteSink* farEnd)
{
    std::lock_guard lock(fEndsMutex);
    fFarEnd = farEnd;
}

bool CLoopbackCable::AttachProgramInput(CABCMIDIByteSink* input)
{
    std::lock_guard lock(fEndsMutex);
    if (fProgramInput && fProgramInput != input)
        return false;
    fProgramInput = input;
    return true;
}

void CLoopbackCable::DetachProgramInput(CABCMIDIByteSink* input)
{
    std::lock_guard lock(fEndsMutex);
    if (fProgramInput == input)
        fProgramInput = nullptr;
}

void CLoopbackCable::SetOpenFails(bool fails)
{
    std::lock_guard lock(fEndsMutex);
    fOpenFails = fails;
}

bool CLoopbackCable::OpenFails() const
{
    std::lock_guard lock(fEndsMutex);
    return fOpenFails;
}

void CLoopbackCable::ReachFarEnd(const std::uint8_t* bytes, std::size_t count)
{
    std::lock_guard lock(fEndsMutex);
    if (fFarEnd)
        fFarEnd->ReceiveBytes(bytes, count);
    else
        ReachProgram(bytes, count);
}

void CLoopbackCable::ReachProgram(const std::uint8_t* bytes, std::size_t count)
{
    std::lock_guard lock(fEndsMutex);
    if (fProgramInput)
        fProgramInput->ReceiveBytes(bytes, count);
}
