// setup-check's report for scripts on standard output, UTF-8 JSON.
#pragma once

// Prints one JSON object with the members settings, product_key_path, source_folder, disc
// (null unless the disc root is a drive root), types, sets, files and diagnostics.
void PrintJsonReport();
