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

// Indexes of the report texts.
namespace msg {
inline constexpr int SettingsOpenFailed = 0;
inline constexpr int LanguageNotFound = 1;
inline constexpr int TopmostNotFound = 2;
inline constexpr int SaveAsPlaceholder = 3;
inline constexpr int ButtonPressedBegin = 4;
inline constexpr int ButtonPressedEnd = 5;
inline constexpr int CommandFailed = 6;
inline constexpr int Monitor = 7;
inline constexpr int Properties = 8;
inline constexpr int Width = 9;
inline constexpr int Height = 10;
inline constexpr int NumberOfMonitors = 11;
inline constexpr int VirtualDesktop = 12;
inline constexpr int CouldNotMinimize = 14;
inline constexpr int WasMinimized = 15;
inline constexpr int ProcessPath = 16;
inline constexpr int NotMaximizedExcluded = 17;
inline constexpr int NotMinimizedTopmost = 18;
inline constexpr int MousePosition = 19;
inline constexpr int CouldNotRestore = 20;
inline constexpr int FileNotFound = 21;
inline constexpr int SelectedFromCommandBox = 22;
inline constexpr int SeparatorSelected = 23;
inline constexpr int FileOpenFailed = 24;
inline constexpr int NewLastActiveWindow = 29;
inline constexpr int LastActiveNotAtStart = 30;
inline constexpr int SizeCopied = 31;
inline constexpr int SizePasted = 32;
inline constexpr int PasteConfirmation = 33;
inline constexpr int NoWindowHandles = 34;
inline constexpr int NoHandleYet = 35;
inline constexpr int WindowName = 36;
inline constexpr int PositionLtrb = 37;
inline constexpr int ProcessId = 38;
inline constexpr int WidthXHeight = 39;
inline constexpr int WasMaximized = 40;
inline constexpr int LastActiveRestored = 42;
inline constexpr int LastActiveNotRestored = 43;
inline constexpr int NowTopmost = 44;
inline constexpr int NoLongerTopmost = 45;
inline constexpr int MovedToOrigin = 46;
inline constexpr int NoWindowMoved = 47;
inline constexpr int AutoSaveWritten = 48;
inline constexpr int ExportsDeleted = 49;
inline constexpr int NoFilesToClear = 50;
inline constexpr int SizeInputNoX = 51;
inline constexpr int SizeInputSeveralX = 52;
inline constexpr int ArrangementTrailer = 53;
inline constexpr int LtrbError = 54;
inline constexpr int SavedWindowNotFound = 55;
inline constexpr int EmptyValue = 56;
inline constexpr int SizeInputFaulty = 57;
inline constexpr int MinimumSize = 58;
inline constexpr int InvalidCharacters = 59;
inline constexpr int FileNotWritten = 60;
inline constexpr int WindowsErrorFollows = 61;
inline constexpr int MaximizedNotInFront = 62;
inline constexpr int LastActiveWindowGone = 63;
inline constexpr int ScriptEntryNotStarted = 64;
inline constexpr int ScriptEntryWithoutFolder = 65;
}  // namespace msg

// Every text the user sees, in English and German, with a current copy of each family in the
// language in effect. The current copies are empty until the first CopySelectedTables.
class MessageCatalogue {
  public:
    MessageCatalogue();

    static int Size(TextFamily family);
    // The English or German table's entry; empty for an index outside the table.
    static const std::wstring& Stored(Language language, TextFamily family, int index);
    // 90 hyphen-minus characters: the separator entries of the command list.
    static const std::wstring& CommandSeparator();

    // The current copy's entry; empty for an index outside the table.
    const std::wstring& Current(TextFamily family, int index) const;
    const std::wstring& Message(int index) const { return Current(TextFamily::Messages, index); }
    // "The button '" + caption + "' was pressed." in the language in effect.
    std::wstring ButtonPressedLine(int buttonIndex) const;
    // " ! The following file could not be written: " + path + the Windows error code.
    std::wstring FileNotWrittenLine(const std::wstring& path, int windowsError) const;

    const std::wstring& currentLanguage() const { return currentLanguage_; }
    void SetCurrentLanguage(const std::wstring& language) { currentLanguage_ = language; }
    // Exactly "English" selects the English tables; any other value the German ones.
    Language SelectedLanguage() const;
    // Copies every family of the selected language into the current copies.
    void CopySelectedTables();

  private:
    std::wstring currentLanguage_ = L"English";
    std::array<std::vector<std::wstring>, kTextFamilyCount> current_;
};

}  // namespace tilora
