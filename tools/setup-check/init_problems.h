// How setup-check --init tells the publisher of a problem, on standard error.
#pragma once

// "setup-check --init: SEVERITY: " and the code page 932 message on standard error.
void PrintDraftProblem(const char* severity, const char* message);
// text on standard error, as UTF-8; code page 932 unless isUtf8. Control bytes show as \xNN,
// so that a file name cannot drive the terminal.
void PrintEscaped(const char* text, bool isUtf8);
