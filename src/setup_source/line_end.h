// Trims the end of a plain line of setup.ini (one that is not a directive).
#pragma once

// Removes every tab, line feed, carriage return and space from the end of text.
void TrimLineEnd(char* text);
