#pragma once
// Everything a conversation with an external sampler can raise.
#include "framework/exceptions/XBase.h"

QUILLET_EXCEPTION(XExternalDeviceException, XBase);

// The sampler has no room.
QUILLET_EXCEPTION(XExternalDeviceOutOfMemory, XExternalDeviceException);
QUILLET_EXCEPTION(XEnsoniqOutOfMemory, XExternalDeviceOutOfMemory);
QUILLET_EXCEPTION(XKurzweilOutOfMemory, XExternalDeviceOutOfMemory);

// The sampler refused a request.
QUILLET_EXCEPTION(XExternalDeviceRejected, XExternalDeviceException);
QUILLET_EXCEPTION(XAKAIRejected, XExternalDeviceRejected);
QUILLET_EXCEPTION(XAKAIReceivedError, XAKAIRejected);
QUILLET_EXCEPTION(XA3000SCSIRejected, XExternalDeviceRejected);
QUILLET_EXCEPTION(XA3000WaveDumpCancelled, XExternalDeviceRejected);
QUILLET_EXCEPTION(XKurzweilRejected, XExternalDeviceRejected);
QUILLET_EXCEPTION(XRolandRejectException, XExternalDeviceRejected);
QUILLET_EXCEPTION(XSDSCancelled, XExternalDeviceRejected);
QUILLET_EXCEPTION(XSMDIRejected, XExternalDeviceRejected);
QUILLET_EXCEPTION(XSMDIAborted, XSMDIRejected);
QUILLET_EXCEPTION(XSMDIEOPRejected, XSMDIRejected);
QUILLET_EXCEPTION(XSMDIHeaderRejected, XSMDIRejected);
QUILLET_EXCEPTION(XSMDIPacketRejected, XSMDIRejected);
QUILLET_EXCEPTION(XSMDITransferRejected, XSMDIRejected);

// The conversation broke down.
QUILLET_EXCEPTION(XExternalDeviceCommunicationError, XExternalDeviceException);
QUILLET_EXCEPTION(XMIDICommunicationException, XExternalDeviceCommunicationError);
QUILLET_EXCEPTION(XSysexCommunicationException, XMIDICommunicationException);
QUILLET_EXCEPTION(XSysexTimedOut, XSysexCommunicationException);
// More arrived than the input ring could hold before it was read.
QUILLET_EXCEPTION(XSysexBufferOverrun, XSysexCommunicationException);
QUILLET_EXCEPTION(XSysexInvalidFormat, XSysexCommunicationException);
QUILLET_EXCEPTION(XAKAIInvalidFormat, XSysexInvalidFormat);
QUILLET_EXCEPTION(XAKAIUnexpectedSysexReceived, XSysexInvalidFormat);
QUILLET_EXCEPTION(XA3000ReceivedInvalidSysex, XSysexInvalidFormat);
QUILLET_EXCEPTION(XSysexChecksumFailure, XSysexInvalidFormat);
QUILLET_EXCEPTION(XA3000ChecksumIncorrect, XSysexChecksumFailure);
QUILLET_EXCEPTION(XSysexInvalidSize, XSysexInvalidFormat);
QUILLET_EXCEPTION(XSysexTooBig, XSysexInvalidSize);
QUILLET_EXCEPTION(XSysexTooSmall, XSysexInvalidSize);
QUILLET_EXCEPTION(XEnsoniqInvalidSize, XSysexInvalidSize);
QUILLET_EXCEPTION(XSCSICommunicationException, XExternalDeviceCommunicationError);
QUILLET_EXCEPTION(XAKAISCSICommunicationException, XSCSICommunicationException);
QUILLET_EXCEPTION(XAKAISCSITimedOut, XAKAISCSICommunicationException);
QUILLET_EXCEPTION(XAKAISCSINoUnreadData, XAKAISCSICommunicationException);
QUILLET_EXCEPTION(XSMDIException, XSCSICommunicationException);
QUILLET_EXCEPTION(XSMDIInvalidPacketLength, XSMDIException);
QUILLET_EXCEPTION(XSMDIMessageInvalid, XSMDIException);
QUILLET_EXCEPTION(XSMDIUnexpectedMessage, XSMDIException);
QUILLET_EXCEPTION(XSMDIUnexpectedPacketIndex, XSMDIException);
QUILLET_EXCEPTION(XSMDIUnsupportedPacketLength, XSMDIException);
QUILLET_EXCEPTION(XSMDIWaitTimedOut, XSMDIException);
QUILLET_EXCEPTION(XSMDISCSICommunicationException, XSMDIException);
QUILLET_EXCEPTION(XSMDISCSIErrorSenseKeyAborted, XSMDISCSICommunicationException);

// The sampler answered in a way the transfer cannot use.
QUILLET_EXCEPTION(XSamplerException, XExternalDeviceException);
QUILLET_EXCEPTION(XSampleDoesNotExist, XSamplerException);
QUILLET_EXCEPTION(XSampleNameNotUnique, XSamplerException);
QUILLET_EXCEPTION(XAKAINameIsNotUnique, XSampleNameNotUnique);
QUILLET_EXCEPTION(XA3000SampleNameNotUnique, XSampleNameNotUnique);
QUILLET_EXCEPTION(XS760SampleNameAlreadyExists, XSampleNameNotUnique);
QUILLET_EXCEPTION(XSampleLocationCannotHoldStereo, XSamplerException);
QUILLET_EXCEPTION(XASR10LayerIsNotStereo, XSampleLocationCannotHoldStereo);
QUILLET_EXCEPTION(XAKAIException, XSamplerException);
QUILLET_EXCEPTION(XAKAINonAKAISysex, XAKAIException);
QUILLET_EXCEPTION(XAKAIUnexpectedCommand, XAKAIException);
QUILLET_EXCEPTION(XAKAITransmittedSampleLost, XAKAIException);
QUILLET_EXCEPTION(XA3000Exception, XSamplerException);
QUILLET_EXCEPTION(XA3000SampleIsNotStereo, XA3000Exception);
// The check after a transmission missed an object that was sent.
QUILLET_EXCEPTION(XA3000BankInconsistent, XA3000Exception);
QUILLET_EXCEPTION(XEnsoniqException, XSamplerException);
QUILLET_EXCEPTION(XEnsoniqAllWavesUsedUp, XEnsoniqException);
QUILLET_EXCEPTION(XEnsoniqCancelled, XEnsoniqException);
QUILLET_EXCEPTION(XEnsoniqErrorResponse, XEnsoniqException);
QUILLET_EXCEPTION(XEnsoniqInvalidParameter, XEnsoniqException);
QUILLET_EXCEPTION(XEnsoniqInvalidTarget, XEnsoniqException);
QUILLET_EXCEPTION(XEnsoniqNotAcknowledged, XEnsoniqException);
QUILLET_EXCEPTION(XEnsoniqUnexpectedResponse, XEnsoniqException);
QUILLET_EXCEPTION(XK2000Exception, XSamplerException);
QUILLET_EXCEPTION(XK2000InvalidFormat, XK2000Exception);
QUILLET_EXCEPTION(XK2000InvalidTag, XK2000Exception);
QUILLET_EXCEPTION(XSDSException, XSamplerException);
QUILLET_EXCEPTION(XSDSChecksumError, XSDSException);
QUILLET_EXCEPTION(XSDSInvalidPacketIndex, XSDSException);
QUILLET_EXCEPTION(XSDSNotAcknowledged, XSDSException);
QUILLET_EXCEPTION(XSDSUnexpectedSysex, XSDSException);

QUILLET_EXCEPTION(XKurzweilException, XExternalDeviceException);
QUILLET_EXCEPTION(XKurzweilIDOutOfRange, XKurzweilException);
QUILLET_EXCEPTION(XKurzweilNotBitStream, XKurzweilException);
QUILLET_EXCEPTION(XKurzweilObjectInEdit, XKurzweilException);
QUILLET_EXCEPTION(XKurzweilObjectNotFound, XKurzweilException);
QUILLET_EXCEPTION(XKurzweilUnexpectedMessage, XKurzweilException);

QUILLET_EXCEPTION(XRolandException, XExternalDeviceException);
QUILLET_EXCEPTION(XRolandUnexpectedAddress, XRolandException);
QUILLET_EXCEPTION(XRolandUnexpectedCommand, XRolandException);
QUILLET_EXCEPTION(XS760Exception, XRolandException);
QUILLET_EXCEPTION(XS760AllSamplesUsedUp, XS760Exception);
QUILLET_EXCEPTION(XS760FileListTooSmall, XS760Exception);
QUILLET_EXCEPTION(XS760SampleLostInSpace, XS760Exception);
QUILLET_EXCEPTION(XS760UnexpectedCategoryReceived, XS760Exception);
