// Finds the installation disc: the first CD-ROM drive, from A to Z, labelled "BV".
#pragma once

// Returns the disc's drive index (0 = A), or -1 if no drive holds it.
int FindSourceDisc();
// Whether drive driveIndex (0 to 25) has the volume label "BV".
bool IsSourceDisc(int driveIndex);
// Writes the root of drive driveIndex (0 to 25), "A:\" to "Z:\", into root.
void FormDriveRoot(int driveIndex, char (&root)[4]);
