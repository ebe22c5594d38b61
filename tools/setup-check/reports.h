// Prints setup-check's report on standard output, as text or as JSON, both UTF-8.
#pragma once

// Prints the settings, the types with their sizes, the three sets and the files, then
// each problem as "setup.ini:LINE: error: MESSAGE".
void PrintTextReport();
// Prints one JSON object with the members settings, product_key_path, source_folder, disc
// (null unless the disc root is a drive root), types, sets, files and diagnostics.
void PrintJsonReport();
