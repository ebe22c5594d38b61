// Finding the installation disc: the first CD-ROM drive, A to Z, labelled "BV".
#pragma once

// Drive index (0 = A) of the disc, or -1.
int FindSourceDisc();
// Whether drive index (0 to 25) carries the volume label "BV".
bool IsSourceDisc(int driveIndex);
// The root of drive index (0 to 25), "A:\" to "Z:\".
void FormDriveRoot(int driveIndex, char (&root)[4]);
