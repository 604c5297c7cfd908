#include <gtest/gtest.h>
#include <set>
#include <utility>

#include "text/MessageCatalogue.h"

namespace tilora {
namespace {

constexpr Language kLanguages[] = {Language::English, Language::German};

TEST(MessageCatalogue, OnlyTheDocumentedEntriesAreEmpty) {
    const std::set<std::pair<TextFamily, int>> emptyEntries = {
        {TextFamily::FilePrefixes, 4},
        {TextFamily::ButtonTooltips, 0},
        {TextFamily::CommandTexts, 38},
    };
    for (Language language : kLanguages) {
        for (int f = 0; f < kTextFamilyCount; ++f) {
            const auto family = static_cast<TextFamily>(f);
            for (int index = 0; index < MessageCatalogue::Size(family); ++index) {
                const bool expectEmpty = emptyEntries.count({family, index}) != 0;
                EXPECT_EQ(MessageCatalogue::Stored(language, family, index).empty(), expectEmpty)
                    << "family " << f << " index " << index << " German "
                    << (language == Language::German);
            }
        }
    }
}

TEST(MessageCatalogue, CommandListSeparatorsAreNinetyHyphens) {
    const std::wstring separator(90, L'-');
    EXPECT_EQ(MessageCatalogue::CommandSeparator(), separator);
    for (Language language : kLanguages) {
        for (int index : {10, 12, 20, 22, 28, 30}) {
            EXPECT_EQ(MessageCatalogue::Stored(language, TextFamily::CommandTexts, index),
                      separator)
                << index;
        }
    }
}

struct StoredText {
    TextFamily family;
    int index;
    const wchar_t* english;
    const wchar_t* german;
};

// Texts whose exact wording, blanks and spelling users and stored files rely on.
TEST(MessageCatalogue, TextsAreStoredExactly) {
    const StoredText texts[] = {
        {TextFamily::Messages, 0,
         L"The attempt to open the settings file was not successful.The following Windows error "
         L"(decimal value) has occurred : ",
         L"Der Versuch, die Datei mit den Einstellungen zu öffen war nicht erfolgreich. Der "
         L"folgende "
         L"Windows Fehlercode (Dezimalwert) ist aufgetreten: "},
        {TextFamily::Messages, 3, L"SaveAs_yyyy-mm-dd_hh.mm.ss.txt",
         L"SaveAs_JJJJ-MM-TT_hh.mm.ss.txt"},
        {TextFamily::Messages, 5, L"' was pressed.", L"' wurde gedrückt."},
        {TextFamily::Messages, static_cast<int>(Msg::NoHandleYet),
         L" ! No handle received yet. Please klick the desired window and repeat the command.",
         L" ! Es wurde kein Handle des zuletzt aktiven Fensters empfangen. Bitte klicken Sie das "
         L"erwünschte Fenster an und wiederholen Sie den Befehl."},
        {TextFamily::Messages, static_cast<int>(Msg::ArrangementTrailer),
         L"; ltrb = left/top/right/bottom coordinates",
         L"; ltrb = links/oben/rechts/unten Koordinaten"},
        {TextFamily::Messages, static_cast<int>(Msg::InvalidCharacters),
         L" ! Faulty user input detected. The following invalid characters were identified: ",
         L" ! Fehlerhafte Benutzereingabe. Es wurden die folgenden, unzulässigen Zeichen "
         L"ermittelt: "},
        {TextFamily::CommandTexts, 0, L"Window commands:", L"Fensterbefehle:"},
        {TextFamily::CommandTexts, 2,
         L"2. Show the size and position of alL windows within the list box",
         L"2. Zeige die Größe und Position aller Fenster in der Listbox"},
        {TextFamily::CommandTexts, 37, L"28. Restore Tilora's original size",
         L"28. Stelle die Tilora Originalgröße wieder her"},
        {TextFamily::FilePrefixes, 1, L"AllWindowsProperties_", L"AlleFensterEigenschaften_"},
        {TextFamily::ButtonCaptions, 14, L"Eng/Ger", L"Deutsch/Eng"},
        {TextFamily::ButtonTooltips, 1, L"Applies the refrenced window arrangement file",
         L"Wendet die referenzierte Fensteranordnungsdatei an"},
        {TextFamily::ButtonTooltips, 14,
         L"Toggles the language (buttons, tooltips, listbox entries) between English ad German",
         L"Schaltet die Sprache (Schaltflächen, Tooltips, Listboxeinträge) zwischen Englisch und "
         L"Deutsch um"},
        {TextFamily::CheckBoxTooltips, 3,
         L"Minimizes the Tilora window after execution of a corresponding command (e.g. Appply "
         L"Session Default). Only effective, if the topmost checkmark is not set.",
         L"Minimiert das Tilora-Fenster nach Ausführung eines entsprechenden Befehls (z.B. "
         L"Anwendung "
         L"des Sitzungs Defaults). Nur wirksam, wenn das Topmost Häkchen nicht gesetzt ist."},
    };
    for (const StoredText& text : texts) {
        EXPECT_EQ(MessageCatalogue::Stored(Language::English, text.family, text.index),
                  text.english);
        EXPECT_EQ(MessageCatalogue::Stored(Language::German, text.family, text.index), text.german);
    }
}

TEST(MessageCatalogue, CurrentCopiesAreEmptyUntilTheFirstCopy) {
    MessageCatalogue catalogue;
    EXPECT_EQ(catalogue.Message(Msg::ButtonPressedBegin), L"");
    EXPECT_EQ(catalogue.Current(TextFamily::CommandTexts, 1), L"");
    catalogue.CopySelectedTables();
    EXPECT_EQ(catalogue.Message(Msg::ButtonPressedBegin), L"The button '");
}

TEST(MessageCatalogue, OnlyExactlyEnglishSelectsTheEnglishTables) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"English", L"Apply"},
        {L"German", L"Anwenden"},
        {L"english", L"Anwenden"},
        {L"", L"Anwenden"},
    };
    for (const auto& [language, caption] : cases) {
        MessageCatalogue catalogue;
        catalogue.SetCurrentLanguage(language);
        catalogue.CopySelectedTables();
        EXPECT_EQ(catalogue.Current(TextFamily::ButtonCaptions, 1), caption) << language;
    }
}

TEST(MessageCatalogue, IndexesOutsideATableReadEmpty) {
    MessageCatalogue catalogue;
    catalogue.CopySelectedTables();
    EXPECT_EQ(catalogue.Current(TextFamily::Messages, -1), L"");
    EXPECT_EQ(catalogue.Current(TextFamily::Messages, MessageCatalogue::Size(TextFamily::Messages)),
              L"");
    EXPECT_EQ(MessageCatalogue::Stored(Language::German, TextFamily::LabelCaptions, 5), L"");
}

TEST(MessageCatalogue, ButtonPressedLineUsesTheLanguageInEffect) {
    MessageCatalogue catalogue;
    catalogue.CopySelectedTables();
    EXPECT_EQ(catalogue.ButtonPressedLine(11), L"The button 'Tile All' was pressed.");
    catalogue.SetCurrentLanguage(L"German");
    catalogue.CopySelectedTables();
    EXPECT_EQ(catalogue.ButtonPressedLine(11), L"Der Button 'Kacheln Alle' wurde gedrückt.");
}

}  // namespace
}  // namespace tilora
