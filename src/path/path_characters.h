// The path module: how Windows reads a path held as code page 932 bytes. Every rule about
// paths lives here, below the engine and the setup source, so that the launcher, the
// uninstaller and setup-check read a path alike:
//   path_characters  characters and separators (this file)
//   drive_prefix     "C:", drive roots
//   components       components, dots-and-blanks names, a path's drive, directory, name
//                    and extension spans
//   windows_aliases  names Windows reads as other names (trailing dots and blanks, devices)
//   save_name        save files, as Windows reads their names
//   relative_path    file lines that stay inside the game folder
//   folder_relation  how two folders stand to each other
//   install_folder_text  the install folder's default, normalisation and refusal by name
// Checks that need the system (what a path opens) are in platform/system_folders.h.
//
// The character rule for paths is code page 932's own, as Windows splits a path: only
// 0x81-0x9F and 0xE0-0xFC begin a two-byte character; half-width katakana 0xA1-0xDF and
// 0x80, 0xA0, 0xFD-0xFF stand alone. So "D:\ｿﾌﾄ\GAME" has three components. Its callers:
// every search of a path for a separator (this module, folder creation, the copy step's
// sub-folders, the browse join, the folder log's reader, setting_rules' key names,
// setup-check's --init walk, the POSIX native paths). setup.ini's lines are cut by the
// other rule, in text/line_characters.h.
#pragma once
#include <stddef.h>

inline bool IsPathLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Bytes of the character at p: 2 for a lead byte followed by a byte, else 1. 0 at the end.
size_t PathCharLength(const char* p);

// The first byte of the last whole character of path, or nullptr for an empty path.
const char* LastPathChar(const char* path);

// A backslash or a slash; Windows takes either between components.
bool IsPathSeparator(char c);

// The last backslash character of path, or nullptr.
const char* FindLastBackslash(const char* path);

// Whether the last character of path is a backslash (not the second byte of 表).
bool EndsWithBackslash(const char* path);

// Removes one trailing backslash character; returns whether there was one.
bool RemoveTrailingBackslash(char* path);
