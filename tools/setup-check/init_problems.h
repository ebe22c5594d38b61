// How setup-check --init tells the publisher of a problem, on standard error.
#pragma once

// Prints "setup-check --init: SEVERITY: " and the code page 932 message on standard
// error.
void PrintDraftProblem(const char* severity, const char* message);
// Prints text on standard error as UTF-8. text is code page 932 unless isUtf8. Control
// bytes are shown as \xNN, so that a file name cannot send commands to the terminal.
void PrintEscaped(const char* text, bool isUtf8);
