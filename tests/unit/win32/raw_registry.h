// The registry as another program sees it, through the wide API directly: raw types
// and bytes to check what the engine stored, and hand-made values it must survive.
#pragma once
#include <windows.h>

#include <string>

struct RawValue {
  bool present;
  DWORD type;
  std::string bytes;
};

RawValue QueryRaw(const wchar_t* keyPath, const wchar_t* name);
void SetRaw(const wchar_t* keyPath, const wchar_t* name, DWORD type, const void* data, DWORD bytes);
bool KeyExists(const wchar_t* keyPath);
void DeleteTree(const wchar_t* keyPath);
// The UTF-16 bytes of a wide text, no terminator.
std::string WideBytes(const wchar_t* text);
