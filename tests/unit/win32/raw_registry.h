// The registry as another program sees it, through the wide API directly.
#pragma once
#include <aclapi.h>
#include <windows.h>

inline void SetRaw(const wchar_t* keyPath, const wchar_t* name, DWORD type, const void* data,
                   DWORD bytes) {
  RegSetKeyValueW(HKEY_CURRENT_USER, keyPath, name, type, data, bytes);
}

inline bool KeyExists(const wchar_t* keyPath) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

inline void DeleteTree(const wchar_t* keyPath) {
  RegDeleteTreeW(HKEY_CURRENT_USER, keyPath);
  RegDeleteKeyW(HKEY_CURRENT_USER, keyPath);
}

// Gives everyone only the access in `mask` to the key (and no more inherited from above).
inline bool SetKeyAccess(const wchar_t* keyPath, DWORD mask) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, READ_CONTROL | WRITE_DAC, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
  EXPLICIT_ACCESSW access = {};
  access.grfAccessPermissions = mask;
  access.grfAccessMode = SET_ACCESS;
  access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
  access.Trustee.ptstrName = static_cast<LPWSTR>(everyone);
  PACL acl = nullptr;
  bool done = SetEntriesInAclW(1, &access, nullptr, &acl) == ERROR_SUCCESS &&
              SetSecurityInfo(key, SE_REGISTRY_KEY,
                              DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, acl, nullptr) == ERROR_SUCCESS;
  LocalFree(acl);
  FreeSid(everyone);
  RegCloseKey(key);
  return done;
}
// Readable, and its access still changeable and the key deletable, but no value can be set.
inline bool DenyChanges(const wchar_t* keyPath) {
  return SetKeyAccess(keyPath, KEY_READ | WRITE_DAC | DELETE);
}
inline bool AllowChanges(const wchar_t* keyPath) { return SetKeyAccess(keyPath, KEY_ALL_ACCESS); }
