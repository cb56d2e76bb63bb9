#pragma once

// The entry points of the dialog component, exported with C linkage under these names. Each
// shows its modal dialog over the owner window and returns when it closes; none lets an
// exception out.

#include <cstdint>

class QWidget;

namespace qm::dialogpack {

inline constexpr char ShowAboutBoxName[] = "ShowAboutBox";
inline constexpr char ShowHelpName[] = "Show_frmHelp";
inline constexpr char ShowExportToImageName[] = "ShowExportToImage";
inline constexpr char ShowPrintSetupBoxName[] = "ShowPrintSetupBox";
inline constexpr char ExportOptionsVersionName[] = "ExportOptionsVersion";

// What the export options dialog fills: 14 bytes, packed, little-endian. The caller clears it
// first; `confirmed` stays 0 unless the user pressed OK.
#pragma pack(push, 1)
struct ExportOptions {
    std::uint8_t confirmed;
    std::uint8_t resolution[10]; // pixels per millimetre, 80-bit extended float
    std::uint8_t kind;           // 1 EMF, 2 JPEG, 3 GIF, 4 TIFF, any other BMP
    std::uint8_t mirror;
    std::uint8_t toClipboard;
};

// Version 2 of the export record: the 14 bytes, then a byte of its own for the kinds that
// came later (6 PNG, 7 SVG, 8 PDF; 0 for the first five). The option byte keeps its meaning:
// for a later kind it holds 5, a bitmap. A component fills this longer record, and offers the
// later kinds, only after the caller asked ExportOptionsVersion with 2 in the same loading of
// the library; a caller that never asks (or a component without the entry) has the 14 bytes.
struct ExportOptionsRecord {
    ExportOptions options;
    std::uint8_t laterKind;
};

// What the print options dialog fills: 7 bytes, packed, little-endian copy count.
struct PrintOptions {
    std::uint8_t printInColour;
    std::uint8_t printMirrored;
    std::uint8_t printConfirmed;
    std::uint8_t copies[4];
};
#pragma pack(pop)
static_assert(sizeof(ExportOptions) == 14);
static_assert(sizeof(PrintOptions) == 7);
static_assert(sizeof(ExportOptionsRecord) == 15);

// The newest export record version this program and its component know.
inline constexpr std::uint8_t ExportRecordVersion = 2;

using ShowAboutBoxEntry = void (*)(QWidget *owner);
using ShowHelpEntry = void (*)(QWidget *owner);
using ShowExportToImageEntry = void (*)(ExportOptions *options, QWidget *owner);
// Takes the newest record version the caller knows and returns the one the next
// ShowExportToImage fills: the smaller of that and the component's own, at least 1.
using ExportOptionsVersionEntry = std::uint8_t (*)(std::uint8_t callerVersion);
using ShowPrintSetupBoxEntry = void (*)(PrintOptions *result, QWidget *owner, bool printInColour, bool printMirrored,
                                        std::int32_t copies);

} // namespace qm::dialogpack
