// The files at the disc root beside setup.ini: the launcher's picture and autorun.inf.
#pragma once

// Warns if the disc root has no setup.bmp, or one that is not a Windows BMP the launcher
// can load, or not 320 x 240; and if the disc's own autorun.inf does not start setup.exe
// or names an icon that is not there.
void CheckDiscRootFiles();
