#pragma once
// The command numbers of the menu bar (menu script 128) and the ranges the
// program adds at run time.
#include <cstdint>

namespace Cmd {

inline constexpr std::uint32_t kOpen = 1000;
inline constexpr std::uint32_t kClose = 1001;
inline constexpr std::uint32_t kSave = 1002;
inline constexpr std::uint32_t kSaveAs = 1003;
inline constexpr std::uint32_t kExportSound = 1005;
inline constexpr std::uint32_t kExportGrooveMIDI = 1006;
inline constexpr std::uint32_t kExportSLX = 1007;
inline constexpr std::uint32_t kQuit = 1008;
inline constexpr std::uint32_t kOpenRecent = 1009;  // the submenu listing the recent documents
inline constexpr std::uint32_t kFirstRecentDocument = 1010;
inline constexpr std::uint32_t kLastRecentDocument = 1013;
inline constexpr std::uint32_t kExportMarkedLoop = 1020;
inline constexpr std::uint32_t kExportSFZKit = 1021;
inline constexpr std::uint32_t kMagnifyToFit = 1100;
inline constexpr std::uint32_t kMagnifyToFitLoop = 1101;
inline constexpr std::uint32_t kSelectAll = 1102;
inline constexpr std::uint32_t kInvertSelection = 1103;
inline constexpr std::uint32_t kPreferences = 1104;
inline constexpr std::uint32_t kSamplerSettings = 1105;
inline constexpr std::uint32_t kUndo = 1106;
inline constexpr std::uint32_t kRedo = 1107;
inline constexpr std::uint32_t kTransmit = 1200;
inline constexpr std::uint32_t kReceive = 1201;
inline constexpr std::uint32_t kPitchToNewTempo = 1202;
inline constexpr std::uint32_t kTransmitAsOneSample = 1203;
inline constexpr std::uint32_t kNormalize = 1204;
inline constexpr std::uint32_t kSilenceSelected = 1205;
inline constexpr std::uint32_t kFirstSamplerSelection = 1210;
inline constexpr std::uint32_t kLastSamplerSelection = 1299;
inline constexpr std::uint32_t kMaxListedSamplers = 89;
inline constexpr std::uint32_t kContents = 1400;
inline constexpr std::uint32_t kMakerHomePage = 1401;
inline constexpr std::uint32_t kDistributorHomePage = 1402;
inline constexpr std::uint32_t kDownloadLoops = 1403;
inline constexpr std::uint32_t kTechInfo = 1404;
inline constexpr std::uint32_t kSystemInformation = 1405;
inline constexpr std::uint32_t kAbout = 1406;
inline constexpr std::uint32_t kCascade = 1501;
inline constexpr std::uint32_t kTileHorizontally = 1502;
inline constexpr std::uint32_t kTileVertically = 1503;
inline constexpr std::uint32_t kCloseAll = 1504;
inline constexpr std::uint32_t kResizeToDocuments = 1505;

}  // namespace Cmd
