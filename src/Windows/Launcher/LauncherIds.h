#pragma once

// Command ids of the launcher's buttons and its colours and pictures.
inline constexpr int IdClose = 4097;
inline constexpr int IdMinimize = 4098;
inline constexpr int IdJournalButton = 4099;
inline constexpr int IdSettingsButton = 4100;

inline constexpr unsigned kLauncherBackground = 0x00F8D27A; // RGB(122, 210, 248)
// The captions on that sky, dark whatever the desktop's theme.
inline constexpr unsigned kLauncherCaption = 0x00000000;

inline constexpr int kSideBitmap = 103;
inline constexpr int kHeaderBitmap = 104;
inline constexpr int kSettingsButtonBitmap = 106;
inline constexpr int kJournalButtonBitmap = 107;
inline constexpr int kCloseBitmap = 130;
inline constexpr int kMinimizeBitmap = 131;
inline constexpr int kApplicationIcon = 128;

// Picture button layouts: where the image sits and the text goes.
enum PictureLayout : int {
    PictureAtRight = -1,
    PictureAtTop = 0,
    PictureAtLeft = 1,
    PictureAtBottom = 2,
};
