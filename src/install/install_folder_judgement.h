// The one judgement of an install folder: accepted, or refused and why. Every rule is here.
// The install dialog asks it when the player presses 開始 (its Start button), the
// uninstaller asks it of the recorded folder, and setup-check asks it for the default
// folder with every choice a player can make, so the publisher's tool never accepts a
// folder that the launcher refuses.
#pragma once
#include "setup_source/setup_description.h"

enum FolderJudgement {
  kFolderAccepted,
  kFolderIsDriveRoot,     // an uninstall would delete save files all over the drive
  kFolderDropsName,       // a name ends in a dot or a blank, which Windows drops
  kFolderNamesDevice,     // a device name (CON, NUL, COM1...), which can never be made
  kFolderInWindows,       // the Windows folder or inside it
  kFolderTooLong,         // a folder or file of the install would pass Windows' limits
  kFolderCannotBeJudged,  // no path the system can read, or the Windows folder is unknown
};

// Judges folder (already normalised) for an install of mask. windowsFolder is the
// system's Windows folder, or "" when it cannot be read. The drive root and the Windows
// folder are found both by the text and by what the path really opens, so that a short
// name, a link, a forward slash or a "\\?\" prefix cannot get around them. An empty folder
// is accepted: the install then says that it cannot be made.
FolderJudgement JudgeInstallFolder(const char* folder, TypeMask mask, const char* windowsFolder);
// The same judgement without the lengths of an install: whether anything may be done in
// folder at all. The uninstall asks it of a recorded folder.
FolderJudgement JudgeInstallPlace(const char* folder, const char* windowsFolder);
