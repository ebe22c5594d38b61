// Removing what the recorded install made: files, save files unless kept, logged
// folders, and the record.
#pragma once

void Uninstall();
