#pragma once

// Whether the file system takes file names without regard to case, as Windows does. Only
// there may the program keep a path in lower case; elsewhere lower case names another file.
bool fileNamesIgnoreCase();

// Puts the other platform's rule in force, so a test can try both; returns the rule before.
bool setFileNamesIgnoreCase(bool ignoreCase);
