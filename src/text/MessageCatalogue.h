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
    EnumerationFailed = 13,
    CouldNotMinimize = 14,
    WasMinimized = 15,
    ProcessPath = 16,
    NotMaximizedExcluded = 17,
    NotMinimizedTopmost = 18,
    MousePosition = 19,
    CouldNotRestore = 20,
    FileNotFound = 21,
    SelectedFromCommandBox = 22,
    SeparatorSelected = 23,
    FileOpenFailed = 24,
    WindowNameBegin = 25,
    WindowNameNotFoundEnd = 26,
    WindowBegin = 27,
    WindowNotStoredEnd = 28,
    NewLastActiveWindow = 29,
    LastActiveNotAtStart = 30,
    SizeCopied = 31,
    SizePasted = 32,
    PasteConfirmation = 33,
    NoWindowHandles = 34,
    NoHandleYet = 35,
    WindowName = 36,
    PositionLtrb = 37,
    ProcessId = 38,
    WidthXHeight = 39,
    WasMaximized = 40,
    SizeCopiedAgain = 41,
    LastActiveRestored = 42,
    LastActiveNotRestored = 43,
    NowTopmost = 44,
    NoLongerTopmost = 45,
    MovedToOrigin = 46,
    NoWindowMoved = 47,
    AutoSaveWritten = 48,
    ExportsDeleted = 49,
    NoFilesToClear = 50,
    SizeInputNoX = 51,
    SizeInputSeveralX = 52,
    ArrangementTrailer = 53,
    LtrbError = 54,
    SavedWindowNotFound = 55,
    EmptyValue = 56,
    SizeInputFaulty = 57,
    MinimumSize = 58,
    InvalidCharacters = 59,
    FileNotWritten = 60,
    WindowsErrorFollows = 61,
    MaximizedNotInFront = 62,
    LastActiveWindowGone = 63,
    ScriptEntryNotStarted = 64,
    ScriptEntryWithoutFolder = 65,
    SaveAsNameRefused = 66,
    PendingArrangementCancelled = 67,
    SettingsNotSaved = 68,
    SettingsFileKept = 69,
    LeftOverFileRemoved = 70,
    NotResponding = 71,
    SettingsEditedWhileRunning = 72,
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
