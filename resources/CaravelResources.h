#pragma once
// Entry ids of the resource scripts. An id is T * 100000000 + R * 1000 + I:
// T = 4 string, 5 alert, 6 menu; R the resource number; I the entry 0..999.
#include <cstdint>

using ResourceId = std::uint32_t;

namespace Res {

// SSTR 1000: framework strings.
inline constexpr ResourceId kStringStop = 401000010;
inline constexpr ResourceId kStringCancel = 401000011;
inline constexpr ResourceId kStringOK = 401000012;
inline constexpr ResourceId kStringYes = 401000013;
inline constexpr ResourceId kStringNo = 401000014;

// SALR 1000: framework alerts.
inline constexpr ResourceId kAlertNotEnoughMemory = 501000000;  // "Not enough memory to complete operation!"
inline constexpr ResourceId kAlertNoMemoryForWindow = 501000001;
inline constexpr ResourceId kAlertFileNotFound = 501000002;

// SSTR 129: common words, titles, sampler configuration, formats, tooltips.
inline constexpr ResourceId kStringCancelled = 400129001;
inline constexpr ResourceId kStringNotApplicable = 400129002;  // "n/a"
inline constexpr ResourceId kStringInitializing = 400129005;
inline constexpr ResourceId kStringSkip = 400129006;
inline constexpr ResourceId kStringDelete = 400129007;
inline constexpr ResourceId kStringOn = 400129008;
inline constexpr ResourceId kStringOff = 400129009;
inline constexpr ResourceId kStringOpenTitle = 400129010;
inline constexpr ResourceId kStringSaveDocumentTitle = 400129011;
inline constexpr ResourceId kStringExportSoundTitle = 400129012;
inline constexpr ResourceId kStringExportSLXTitle = 400129013;
inline constexpr ResourceId kStringExportMIDITitle = 400129014;
inline constexpr ResourceId kStringExaminingSound = 400129020;
inline constexpr ResourceId kStringSlicesLeft = 400129021;
inline constexpr ResourceId kStringSoundExportCancelled = 400129022;
inline constexpr ResourceId kStringSLXExportCancelled = 400129023;  // "SLX-file Export cancelled!"
inline constexpr ResourceId kStringSampleTransmitCancelled = 400129024;
inline constexpr ResourceId kStringSampleReceiveCancelled = 400129025;
inline constexpr ResourceId kStringReceivingSample = 400129026;
inline constexpr ResourceId kStringSamplersLeftToCheck = 400129028;
inline constexpr ResourceId kStringLookingForSampler = 400129029;  // "%s": sampler name
inline constexpr ResourceId kStringDirectXNotInstalled = 400129033;
inline constexpr ResourceId kStringPreferencesFileName = 400129034;
inline constexpr ResourceId kStringNoSoundAvailable = 400129035;
inline constexpr ResourceId kStringNoMIDIAvailable = 400129036;
inline constexpr ResourceId kStringNoSCSIAvailable = 400129037;
inline constexpr ResourceId kStringMySampler = 400129040;  // "My "
inline constexpr ResourceId kStringScanningSCSI = 400129041;
inline constexpr ResourceId kStringScanningMIDI = 400129042;
inline constexpr ResourceId kStringIsThisTheRightSampler = 400129043;
inline constexpr ResourceId kStringAddThisSampler = 400129044;
inline constexpr ResourceId kStringTransmitTo = 400129045;
inline constexpr ResourceId kStringReceiveFrom = 400129046;
inline constexpr ResourceId kStringVersionFormat = 400129047;
inline constexpr ResourceId kStringNoSamplerInstalled = 400129048;
inline constexpr ResourceId kStringNoInformation = 400129049;
inline constexpr ResourceId kStringUnknown = 400129050;
inline constexpr ResourceId kStringCannotBeDetected = 400129051;
inline constexpr ResourceId kStringDoubleSamplerFound = 400129052;
inline constexpr ResourceId kStringSCSIDeviceFormat = 400129060;  // "%d: "%s %s""
inline constexpr ResourceId kStringSCSINotReady = 400129061;
inline constexpr ResourceId kStringSCSIBusFormat = 400129062;  // "%s [%s]"
inline constexpr ResourceId kStringSCSIHostAdapter = 400129063;
inline constexpr ResourceId kStringOldOSMIDI = 400129064;  // alert scripts with printf fields
inline constexpr ResourceId kStringOldOSSCSI = 400129065;
inline constexpr ResourceId kStringOldOSMIDIAndSCSI = 400129066;
inline constexpr ResourceId kStringOldOSInstalled = 400129067;
inline constexpr ResourceId kStringIdenticalSampler = 400129069;
inline constexpr ResourceId kStringFirstTooltip = 400129200;  // toolbar tooltips 200..220
inline constexpr ResourceId kStringLastTooltip = 400129220;

// SSTR 130: menu texts.
inline constexpr ResourceId kStringQuitMenuText = 400130020;
inline constexpr ResourceId kStringOpenRecentMenuText = 400130021;

// SSTR 133: sampler transmit and receive texts.
inline constexpr ResourceId kStringTransmitToSampler = 400133001;  // "Transmit to "
inline constexpr ResourceId kStringTransmitNotAvailable = 400133003;
inline constexpr ResourceId kStringReceivingSampleNames = 400133005;
inline constexpr ResourceId kStringOpenSlicesInNewWindows = 400133006;
inline constexpr ResourceId kStringExportAsSampleCell = 400133010;
inline constexpr ResourceId kStringChooseTemplateFile = 400133011;
inline constexpr ResourceId kStringExportSampleCellAs = 400133012;
inline constexpr ResourceId kStringExportAsSoundFont = 400133020;
inline constexpr ResourceId kStringExportSoundFontAs = 400133022;
inline constexpr ResourceId kStringExportAsMixman = 400133025;
inline constexpr ResourceId kStringExportMixmanAs = 400133026;
inline constexpr ResourceId kStringS760Default = 400133030;
inline constexpr ResourceId kStringS760SlicesLeftSample = 400133031;
inline constexpr ResourceId kStringS760SlicesLeftPartial = 400133032;
inline constexpr ResourceId kStringS760TransmittingPatch = 400133033;
inline constexpr ResourceId kStringS760DeletingPatch = 400133034;
inline constexpr ResourceId kStringS760DeletingPartials = 400133035;
inline constexpr ResourceId kStringS760RetrievingPatch = 400133037;
inline constexpr ResourceId kStringS760RetrievingPartial = 400133038;
inline constexpr ResourceId kStringEnsoniqInstrumentAndLayer = 400133040;
inline constexpr ResourceId kStringEnsoniqCreatingInstrument = 400133041;
inline constexpr ResourceId kStringEnsoniqCreatingLayer = 400133042;
inline constexpr ResourceId kStringEnsoniqBuildingLayer = 400133043;
inline constexpr ResourceId kStringK2000EmptyProgram = 400133050;
inline constexpr ResourceId kStringK2000ReplaceProgram = 400133051;  // "(Replace "%s")"
inline constexpr ResourceId kStringK2000DeletingKeymap = 400133053;
inline constexpr ResourceId kStringK2000DeletingSamples = 400133054;
inline constexpr ResourceId kStringK2000CleaningUp = 400133055;
inline constexpr ResourceId kStringK2000NoProgram = 400133056;
inline constexpr ResourceId kStringK2000RetrievingProgram = 400133057;
inline constexpr ResourceId kStringK2000RetrievingKeymap = 400133058;
inline constexpr ResourceId kStringK2000CreatingKeymap = 400133059;
inline constexpr ResourceId kStringK2000CreatingProgram = 400133060;
inline constexpr ResourceId kStringA3000Default = 400133070;
inline constexpr ResourceId kStringA3000RetrievingSample = 400133071;
inline constexpr ResourceId kStringA3000RetrievingBank = 400133072;
inline constexpr ResourceId kStringA3000TransmittingBank = 400133073;
inline constexpr ResourceId kStringA3000Verifying = 400133074;
inline constexpr ResourceId kStringAKAIDefault = 400133080;
inline constexpr ResourceId kStringAKAICreatingProgram = 400133081;
inline constexpr ResourceId kStringAKAIRetrievingTemplate = 400133082;
inline constexpr ResourceId kStringAKAIDeletingProgram = 400133083;

// SALR 129: common alerts.
inline constexpr ResourceId kAlertNoSound = 500129001;
inline constexpr ResourceId kAlertNoMIDI = 500129004;
inline constexpr ResourceId kAlertNoSCSI = 500129005;
inline constexpr ResourceId kAlertSoundStartFailed = 500129006;
inline constexpr ResourceId kAlertNoSoundCardOpened = 500129007;
inline constexpr ResourceId kAlertPreferencesPartlyRead = 500129008;
inline constexpr ResourceId kAlertSLXNotReadable = 500129009;
inline constexpr ResourceId kAlertPreferencesNotRead = 500129010;
inline constexpr ResourceId kAlertPreferencesNotWritten = 500129011;
inline constexpr ResourceId kAlertSoundCardNotOpened = 500129012;  // ^0: card name
inline constexpr ResourceId kAlertCantRun = 500129013;
inline constexpr ResourceId kAlertMoveLeftLocator = 500129016;
inline constexpr ResourceId kAlertFileNotFoundShort = 500129017;
inline constexpr ResourceId kAlertFileExists = 500129018;  // ^0: file name
inline constexpr ResourceId kAlertSoundChannelLost = 500129019;
inline constexpr ResourceId kAlertSoundTooLong = 500129020;       // "Sound files may not be longer than 5 minutes."
inline constexpr ResourceId kAlertOnly16Bit = 500129021;          // "Quillet! only supports 16-bit audio files."
inline constexpr ResourceId kAlertOnlyMonoAndStereo = 500129022;  // "Quillet! only supports Mono and Stereo sound files."
inline constexpr ResourceId kAlertAutoPlayLimit = 500129023;
inline constexpr ResourceId kAlertSoundFileUnreadable = 500129024;
inline constexpr ResourceId kAlertCouldNotLoadSoundFile = 500129025;  // "[Couldn't load sound file "^0"!]..."
inline constexpr ResourceId kAlertDocumentDamaged = 500129026;
inline constexpr ResourceId kAlertDocumentInfoDamaged = 500129027;
inline constexpr ResourceId kAlertDocumentTooNew = 500129028;
inline constexpr ResourceId kAlertMIDIInPortMissing = 500129030;
inline constexpr ResourceId kAlertMIDIOutPortMissing = 500129031;
inline constexpr ResourceId kAlertSCSIBusMissing = 500129032;
inline constexpr ResourceId kAlertSamplerUnusable = 500129033;
inline constexpr ResourceId kAlertSamplerNotSupported = 500129034;
inline constexpr ResourceId kAlertSamplerUnreachable = 500129035;
inline constexpr ResourceId kAlertVerificationCancelled = 500129036;
inline constexpr ResourceId kAlertNoSamplersInstalled = 500129037;
inline constexpr ResourceId kAlertNewSamplerNoMemory = 500129038;
inline constexpr ResourceId kAlertSliceExportFailed = 500129042;
inline constexpr ResourceId kAlertSLXExportFailed = 500129043;
inline constexpr ResourceId kAlertMIDIFileFailed = 500129044;
inline constexpr ResourceId kAlertDocumentSaveFailed = 500129045;
inline constexpr ResourceId kAlertMIDIInPortBusy = 500129046;
inline constexpr ResourceId kAlertMIDIOutPortBusy = 500129047;
inline constexpr ResourceId kAlertMIDIFileTooManySlices = 500129050;
inline constexpr ResourceId kAlertRemoveSampler = 500129060;
inline constexpr ResourceId kAlertSearchIncomplete = 500129063;
inline constexpr ResourceId kAlertSamplerNameMissing = 500129064;
inline constexpr ResourceId kAlertNoSamplersFound = 500129080;
inline constexpr ResourceId kAlertSamplerNotFound = 500129081;
inline constexpr ResourceId kAlertSamplerNotFoundRemoved = 500129082;
inline constexpr ResourceId kAlertMIDIConnectionMissing = 500129083;
inline constexpr ResourceId kAlertNoWindowForReceived = 500129090;
inline constexpr ResourceId kAlertOperationRejected = 500129091;
inline constexpr ResourceId kAlertDiskFull = 500129093;
inline constexpr ResourceId kAlertInternalError = 500129094;
inline constexpr ResourceId kAlertSamplerCommunication = 500129095;
inline constexpr ResourceId kAlertSCSICommunication = 500129096;
inline constexpr ResourceId kAlertMIDICommunication = 500129097;
inline constexpr ResourceId kAlertRecentDocumentsRemoved = 500129098;
inline constexpr ResourceId kAlertOutOfMemory = 500129099;
inline constexpr ResourceId kAlertNoWebBrowser = 500129100;
inline constexpr ResourceId kAlertTooLittleMemory = 500129400;
inline constexpr ResourceId kAlertOSTooOld = 500129401;
inline constexpr ResourceId kAlertSCSIDeviceDisabled = 500129402;
inline constexpr ResourceId kAlertSCSIAccessDenied = 500129403;  // ^0: device, ^1: group
inline constexpr ResourceId kAlertUnsupportedColourDepth = 500129450;

// SALR 132: per-destination transmit alerts.
inline constexpr ResourceId kAlertOpenManyWindows = 500132000;  // ^0: window count
inline constexpr ResourceId kAlertNoMemoryForSampleWindow = 500132001;
inline constexpr ResourceId kAlertTooManySlices = 500132002;  // printf: count, limit, limit
inline constexpr ResourceId kAlertSamplerOutOfMemory = 500132003;
inline constexpr ResourceId kAlertSampleCellTemplateUnreadable = 500132010;
inline constexpr ResourceId kAlertSampleCellWriteFailed = 500132011;
inline constexpr ResourceId kAlertSampleCellExportFailed = 500132012;
inline constexpr ResourceId kAlertSampleCellTooManySlices = 500132013;
inline constexpr ResourceId kAlertSoundFontExportFailed = 500132014;
inline constexpr ResourceId kAlertSoundFontTooManySlices = 500132015;
inline constexpr ResourceId kAlertMixmanExportFailed = 500132016;
inline constexpr ResourceId kAlertMixmanTooManySlices = 500132017;
inline constexpr ResourceId kAlertMixmanNot44 = 500132018;
inline constexpr ResourceId kAlertK2000ReplaceProgram = 500132020;
inline constexpr ResourceId kAlertK2000TemplateFailed = 500132021;
inline constexpr ResourceId kAlertK2000NoTemplate = 500132022;
inline constexpr ResourceId kAlertK2000TemplateMissing = 500132023;
inline constexpr ResourceId kAlertK2000NoDestination = 500132024;
inline constexpr ResourceId kAlertK2000LeftoverKeymaps = 500132025;
inline constexpr ResourceId kAlertK2000NoName = 500132026;
inline constexpr ResourceId kAlertS760ReplacePatch = 500132030;
inline constexpr ResourceId kAlertS760PartialExists = 500132031;
inline constexpr ResourceId kAlertS760SampleExists = 500132032;
inline constexpr ResourceId kAlertS760TemplateFailed = 500132034;
inline constexpr ResourceId kAlertS760NoName = 500132035;
inline constexpr ResourceId kAlertS760PatchDamaged = 500132036;
inline constexpr ResourceId kAlertS760PatchIncomplete = 500132037;
inline constexpr ResourceId kAlertS760NoFreePatch = 500132038;
inline constexpr ResourceId kAlertS760TooFewPartials = 500132039;  // printf: excess
inline constexpr ResourceId kAlertS760TooFewSamples = 500132040;   // printf: excess
inline constexpr ResourceId kAlertAKAIReplaceProgram = 500132050;
inline constexpr ResourceId kAlertAKAISampleExists = 500132051;
inline constexpr ResourceId kAlertAKAINoName = 500132052;
inline constexpr ResourceId kAlertAKAITemplateFailed = 500132053;
inline constexpr ResourceId kAlertAKAILeftoverSamples = 500132054;
inline constexpr ResourceId kAlertAKAIProgramIncomplete = 500132055;
inline constexpr ResourceId kAlertA3000NoName = 500132060;
inline constexpr ResourceId kAlertA3000BankExists = 500132061;
inline constexpr ResourceId kAlertA3000SampleExists = 500132062;
inline constexpr ResourceId kAlertA3000TemplateFailed = 500132063;
inline constexpr ResourceId kAlertA3000BankInconsistent = 500132064;
inline constexpr ResourceId kAlertA3000LeftoverSamples = 500132065;
inline constexpr ResourceId kAlertEMUNoName = 500132070;
inline constexpr ResourceId kAlertEMUBadStartNumber = 500132071;
inline constexpr ResourceId kAlertEMUIncomplete = 500132072;
inline constexpr ResourceId kAlertEnsoniqNoName = 500132080;
inline constexpr ResourceId kAlertEnsoniqReplaceInstrument = 500132081;
inline constexpr ResourceId kAlertEnsoniqCreateFailed = 500132082;

// SMNU 128: the menu bar, in its order on the bar, and the pop-up lists.
inline constexpr ResourceId kMenuFile = 600128001;
inline constexpr ResourceId kMenuEdit = 600128002;
inline constexpr ResourceId kMenuSampler = 600128003;
inline constexpr ResourceId kMenuHelp = 600128004;
inline constexpr ResourceId kMenuWindows = 600128007;
inline constexpr ResourceId kMenuBarMenus[] = {kMenuFile, kMenuEdit, kMenuSampler, kMenuWindows, kMenuHelp};
inline constexpr ResourceId kPopupWaveformType = 600128008;
inline constexpr ResourceId kPopupBeats = 600128009;
inline constexpr ResourceId kPopupTimeSignature = 600128010;

}  // namespace Res
