// The two forms of setup-check's report on standard output, both UTF-8.
#pragma once

// Settings, types with their size texts, the three sets, the files, then each problem
// as "setup.ini:LINE: error: MESSAGE".
void PrintTextReport();
// One JSON object with the members settings, product_key_path, source_folder, disc (null
// unless the disc root is a drive root), types, sets, files and diagnostics.
void PrintJsonReport();
