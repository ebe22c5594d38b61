// The folders no install may go into, found by what a path opens rather than by its text,
// so that no short name, junction, forward slash or "\\?\" prefix reaches them.
#pragma once

// folder exists and is a drive's root, or it or a parent of it that exists is
// windowsFolder (empty when unknown).
bool IsRefusedExistingFolder(const char* folder, const char* windowsFolder);
