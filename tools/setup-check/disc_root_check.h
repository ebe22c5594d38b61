// The files at the disc root beside setup.ini: the launcher and its picture.
#pragma once

// Warns if the disc root has no setup.exe or setup.bmp, and if setup.bmp is not a Windows
// BMP the launcher can load, or is not 320 x 240.
void CheckDiscRootFiles();
