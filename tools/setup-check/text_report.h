// setup-check's report for people on standard output, UTF-8.
#pragma once

// Prints the settings, the types with their sizes, the three sets and the files, then
// each problem as "setup.ini:LINE: error: MESSAGE".
void PrintTextReport();
