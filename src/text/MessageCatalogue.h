#pragma once

#include <array>
#include <string>
#include <vector>

namespace tilora {

enum class TextFamily {
    Messages,
    CommandTexts,
    FilePrefixes,
    ButtonCaptions,
    CheckBoxCaptions,
    LabelCaptions,
    ButtonTooltips,
    CheckBoxTooltips,
};
inline constexpr int kTextFamilyCount = 8;

enum class Language { English, German };

// The report texts, by their index in the tables; a wrong id does not compile.
enum class Msg : int {
    SettingsOpenFailed = 0,
    LanguageNotFound = 1,
    TopmostNotFound = 2,
    SaveAsPlaceholder = 3,
    ButtonPressedBegin = 4,
    ButtonPressedEnd = 5,
    CommandFailed = 6,
    Monitor = 7,
    Properties = 8,
    Width = 9,
    Height = 10,
    NumberOfMonitors = 11,
    VirtualDesktop = 12,
    CouldNotMinimize = 13,
    WasMinimized = 14,
    ProcessPath = 15,
    NotMaximizedExcluded = 16,
    NotMinimizedTopmost = 17,
    MousePosition = 18,
    CouldNotRestore = 19,
    FileNotFound = 20,
    SelectedFromCommandBox = 21,
    SeparatorSelected = 22,
    FileOpenFailed = 23,
    NewLastActiveWindow = 24,
    LastActiveNotAtStart = 25,
    SizeCopied = 26,
    SizePasted = 27,
    PasteConfirmation = 28,
    NoWindowHandles = 29,
    NoHandleYet = 30,
    WindowName = 31,
    PositionLtrb = 32,
    ProcessId = 33,
    WidthXHeight = 34,
    WasMaximized = 35,
    LastActiveRestored = 36,
    NowTopmost = 37,
    NoLongerTopmost = 38,
    MovedToOrigin = 39,
    NoWindowMoved = 40,
    AutoSaveWritten = 41,
    ExportsDeleted = 42,
    NoFilesToClear = 43,
    SizeInputNoX = 44,
    SizeInputSeveralX = 45,
    ArrangementTrailer = 46,
    LtrbError = 47,
    SavedWindowNotFound = 48,
    EmptyValue = 49,
    SizeInputFaulty = 50,
    MinimumSize = 51,
    InvalidCharacters = 52,
    FileNotWritten = 53,
    WindowsErrorFollows = 54,
    MaximizedNotInFront = 55,
    LastActiveWindowGone = 56,
    ScriptEntryNotStarted = 57,
    ScriptEntryWithoutFolder = 58,
    SaveAsNameRefused = 59,
    PendingArrangementCancelled = 60,
    SettingsNotSaved = 61,
    SettingsFileKept = 62,
    LeftOverFileRemoved = 63,
    NotResponding = 64,
    NotRecycled = 65,
    ArrangementsDeleted = 66,
    ChangeRefused = 67,
    HigherRights = 68,
    MonitorLayoutChanged = 69,
    RememberedDeskApplied = 70,
    SettingsEditedWhileRunning = 71,
};

// Every text the user sees, in English and German, with a current copy of each family in the
// language in effect. The current copies are empty until the first CopySelectedTables.
class MessageCatalogue {
  public:
    MessageCatalogue();

    static int Size(TextFamily family);
    // The English or German table's entry; empty for an index outside the table.
    static const std::wstring& Stored(Language language, TextFamily family, int index);
    static const std::wstring& Stored(Language language, Msg id) {
        return Stored(language, TextFamily::Messages, static_cast<int>(id));
    }
    // 90 hyphen-minus characters: the separator entries of the command list.
    static const std::wstring& CommandSeparator();
    // 500 hyphen-minus characters: the line that closes a block of output in the log.
    static const std::wstring& SeparatorLine();

    // The current copy's entry; empty for an index outside the table.
    const std::wstring& Current(TextFamily family, int index) const;
    const std::wstring& Message(Msg id) const {
        return Current(TextFamily::Messages, static_cast<int>(id));
    }
    // "The button '" + caption + "' was pressed." in the language in effect.
    std::wstring ButtonPressedLine(int buttonIndex) const;
    // " ! The following file could not be written: " + path + the Windows error code.
    std::wstring FileNotWrittenLine(const std::wstring& path, int windowsError) const;

    const std::wstring& currentLanguage() const { return currentLanguage_; }
    void SetCurrentLanguage(const std::wstring& language) { currentLanguage_ = language; }
    // Exactly "English" selects the English tables; any other value the German ones.
    Language SelectedLanguage() const;
    // "English" becomes "German"; any other language becomes "English".
    void ToggleLanguage();
    // Copies every family of the selected language into the current copies.
    void CopySelectedTables();

  private:
    std::wstring currentLanguage_ = L"English";
    std::array<std::vector<std::wstring>, kTextFamilyCount> current_;
};

}  // namespace tilora
