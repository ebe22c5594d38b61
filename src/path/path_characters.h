// The path module: how Windows reads a path held as code page 932 bytes. All path rules
// live in this module, below the engine and the setup source, so that the launcher, the
// uninstaller and setup-check all read a path the same way:
//   path_characters  characters, separators, joining a folder and a name, the path size
//                    (this file)
//   drive_prefix     "C:", drive roots
//   components       splitting into components, names of only dots and blanks, and
//                    where a path's drive, directory, name and extension end
//   windows_aliases  names Windows reads as other names (trailing dots and blanks,
//                    device names)
//   save_name        save files, as Windows reads their names
//   relative_path    checks that file lines stay inside the game folder
//   folder_relation  whether one folder is the same as, inside or above another
//   install_folder_text  the install folder's default and its normalisation
// Which install folders are refused is judged in install/install_folder_judgement.h.
//
// Paths use code page 932's own character rule, the one Windows uses to split a path:
// only bytes 0x81-0x9F and 0xE0-0xFC start a two-byte character. Half-width katakana
// (0xA1-0xDF) and 0x80, 0xA0, 0xFD-0xFF are one byte each, so "D:\ｿﾌﾄ\GAME" has three
// components. Use this rule wherever a path is searched for a separator: this module,
// folder creation, the copy step's sub-folders, the folder log's reader, setting_rules'
// key names, setup-check's --init walk and the POSIX native paths.
// Lines of setup.ini are split by a different rule, in text/line_characters.h.
#pragma once
#include <stddef.h>

// The size of every buffer that holds a path, terminator included. The longest path the
// launcher keeps, an install folder too, is kPathSize - 1 (1,023) bytes.
enum { kPathSize = 1024 };

inline bool IsPathLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The length in bytes of the character at p: 2 for a lead byte with a byte after it,
// otherwise 1, and 0 at the terminator.
size_t PathCharLength(const char* p);

// The first byte of the last whole character of path, or nullptr for an empty path.
const char* LastPathChar(const char* path);

// Whether c is a backslash or a slash. Windows accepts either between components.
bool IsPathSeparator(char c);

// The last backslash in path that is a character of its own, or nullptr.
const char* FindLastBackslash(const char* path);

// Whether the last character of path is a backslash or a slash (not the second byte of 表).
bool EndsWithSeparator(const char* path);

// Removes one trailing backslash character; returns whether there was one.
bool RemoveTrailingBackslash(char* path);

// Joins folder and name with exactly one separator: a backslash, unless folder already
// ends in a separator ("D:\"). out may be folder itself. Returns false, with out empty, if
// the whole path does not fit cap: a cut path would name another file.
bool JoinPath(char* out, size_t cap, const char* folder, const char* name);
