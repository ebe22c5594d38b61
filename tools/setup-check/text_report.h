// setup-check's report for people on standard output, UTF-8.
#pragma once

// Settings, types with their size texts, the three sets, the files, then each problem
// as "setup.ini:LINE: error: MESSAGE".
void PrintTextReport();
