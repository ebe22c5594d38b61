// The files at the disc root beside setup.ini: the launcher and its picture.
#pragma once

// Warns when the disc root lacks setup.exe or setup.bmp, and when setup.bmp is no Windows
// BMP the launcher loads or not 320 x 240.
void CheckDiscRootFiles();
