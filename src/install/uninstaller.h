// Removing what the recorded install made: files, save files unless kept, logged
// folders, and the record.
#pragma once

// keepSaves leaves the save files and the maker's registry keys in place.
void Uninstall(bool keepSaves);
