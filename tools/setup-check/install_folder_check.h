// The install dialog's first offer, DEFDIR and PATH joined: a folder the launcher
// refuses makes every player type another one.
#pragma once

// defdirLine, pathLine: the text lines that set DEFDIR and PATH (0: the default).
void CheckDefaultInstallFolder(int defdirLine, int pathLine);
