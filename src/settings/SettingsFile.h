#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/InfoLog.h"
#include "platform/DialogControls.h"
#include "platform/PlatformTypes.h"
#include "text/MessageCatalogue.h"

namespace tilora {

// The keys of the settings file; each takes in the blank, equals sign and blank after the name.
inline constexpr wchar_t kLanguageKey[] = L"Language = ";
inline constexpr wchar_t kStartPositionKey[] = L"StartPosition = ";
inline constexpr wchar_t kTopmostKey[] = L"Topmost = ";
inline constexpr wchar_t kMinimizeKey[] = L"Minimize = ";
inline constexpr wchar_t kExcludeMaxKey[] = L"ExcludeMax = ";

// Appends to list the pieces of text between delimiters, each without white space at its ends:
// every piece before the last delimiter, empty ones included, and the piece after it only when it
// has at least 3 characters. An empty delimiter splits nothing.
void SplitList(const std::wstring& text, const std::wstring& delimiter,
               std::vector<std::wstring>& list);

// The integer at the start of text, read as C's strtol reads it: leading white space, an optional
// sign, decimal digits up to the first other character. No digits give 0; values beyond the
// 32-bit range give its nearest end.
std::int32_t ParseInteger(std::wstring_view text);

// Writes the text as 8-bit text in code page 1252 (one byte per character, each line feed as
// CR LF, no mark) when every character has a byte there; otherwise as UTF-8 with the mark
// EF BB BF, so that what is written always reads back unchanged. The file is replaced as a whole:
// a failed write leaves the previous file as it was. Returns 0 or the Windows error code.
int WriteTextFile8(const std::wstring& path, const std::wstring& text);

// The settings kept in Settings.txt from one run to the next: language, the dialog's start
// position, the 'Top' and 'Min' check boxes and the list of process paths Maximize All leaves
// alone.
class SettingsFile {
  public:
    SettingsFile(DialogControls& controls, MessageCatalogue& catalogue, InfoLog& infoLog);

    // Reads the file once at start-up: sets the catalogue's language, checks or unchecks 'Top' and
    // 'Min' (without running their click handlers) and reports what it read in the log. Missing
    // keys keep their defaults; a file that cannot be read is reported and changes nothing.
    void ReadSettings(const std::wstring& path);
    // Writes the five settings as they are at closing: the language in effect, the dialog's
    // position, the check boxes' states and the exclusion list as read. Returns 0, or the Windows
    // error code when the file could not be written (the previous file is then kept).
    int WriteSettings(const std::wstring& path, const Rect& ownWindowRect) const;

    Point startPosition() const { return startPosition_; }
    bool topmostSetting() const { return topmostSetting_; }
    const std::wstring& excludeMaxText() const { return excludeMaxText_; }
    const std::vector<std::wstring>& excludeMaxList() const { return excludeMaxList_; }

  private:
    void ReadLine(const std::wstring& line);
    void ReadLanguage(const std::wstring& value);
    void ReadStartPosition(const std::wstring& value);
    void ReadTopmost(std::wstring value);
    void ReadMinimize(std::wstring value);
    void ReadExcludeMax(const std::wstring& value);

    DialogControls& controls_;
    MessageCatalogue& catalogue_;
    InfoLog& infoLog_;

    Point startPosition_;
    bool topmostSetting_ = false;
    std::wstring excludeMaxText_;
    std::vector<std::wstring> excludeMaxList_;
};

}  // namespace tilora
