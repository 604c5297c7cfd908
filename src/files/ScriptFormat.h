#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tilora {

// One line of an app start script: a file to open, a program to start, or both.
struct StartEntry {
    std::wstring filePath;
    std::wstring programPath;
    friend bool operator==(const StartEntry&, const StartEntry&) = default;
};

// Field n (from 1) of a semicolon-separated text, untrimmed: the text before the n-th ";".
// Empty when the text has fewer than n semicolons.
std::wstring FieldAt(std::wstring_view text, int n);

// What an app start script asks for: the entries to start, in file order, and the arrangement
// to apply once their windows are open (empty for none).
struct AppStartScript {
    std::vector<StartEntry> entries;
    std::wstring arrangement;
    // The first entry comes from line 1, where scripts keep their column headings.
    bool firstLineIsEntry = false;
    friend bool operator==(const AppStartScript&, const AppStartScript&) = default;
};

// Every line that is not empty and starts with neither "#" nor ";;" is an entry: its first field
// the file, its second the program. The third field of the second line names the arrangement,
// whether that line is an entry or not, so a comment line can carry it.
AppStartScript ParseAppStartScript(const std::vector<std::wstring>& lines);

}  // namespace tilora
