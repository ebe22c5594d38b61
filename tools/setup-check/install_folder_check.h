// Checks the folder the install dialog offers first (DEFDIR and PATH joined). If the
// launcher refuses that folder, every player has to type another one.
#pragma once

// defdirLine and pathLine are the lines that set DEFDIR and PATH (0 for the default).
void CheckDefaultInstallFolder(int defdirLine, int pathLine);
