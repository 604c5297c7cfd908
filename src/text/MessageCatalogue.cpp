#include "text/MessageCatalogue.h"

#include <cstddef>
#include <span>

namespace tilora {
namespace {

// 90 hyphen-minus characters.
constexpr wchar_t kCommandSeparatorText[] =
    L"---------------------------------------------"
    L"---------------------------------------------";
static_assert(sizeof(kCommandSeparatorText) / sizeof(wchar_t) == 91);

const std::array<const wchar_t*, 72> kEnglishMessages = {
    L"The attempt to open the settings file was not successful.The following Windows error "
    L"(decimal value) has occurred : ",
    L"The language setting was not found in the settings file. The English language will be "
    L"applied.",
    L"The topmost setting was not found in the settings file. Thus, the Tilora window will not be "
    L"set to topmost.",
    L"SaveAs_yyyy-mm-dd_hh.mm.ss.txt",
    L"The button '",
    L"' was pressed.",
    L"The command was not successful. The following windows error (decimal value) has occurred: ",
    L"Monitor",
    L"Properties",
    L"Width",
    L"Height",
    L"Number of identified Monitors: ",
    L"Virtual Desktop",
    L" could NOT be minimized.",
    L" was minimized.",
    L"Process path: ",
    L" was not maximized, because it is contained in the exclusion list.",
    L" was not minimized, because the Topmost checkmark is checked.",
    L"Mouse position: ",
    L" could not be restored.",
    L" ! The selected file was not found. The file name was: ",
    L" was selected from the command combobox.",
    L"A separator line instead of an executable command was selected and executed from the command "
    L"combobox.",
    L"The attempt to open the file was not successful. The following Windows error (decimal value) "
    L"has occurred : ",
    L"New last active Window: ",
    L" ! The last active window was not found in the window arrangement at start and could "
    L"therefore not be restored.",
    L"The following window size was copied: ",
    L"The copied window size was pasted to: ",
    L"Attention, no window size has been copied to the clipboard within this Windows cycle or the "
    L"copy event was a long time ago. The initialization value 100x100 will be applied. Continue "
    L"anyway?",
    L"No window handles were received. There is nothing to display.",
    L" ! No handle received yet. Please klick the desired window and repeat the command.",
    L"Window name: ",
    L"; Position (left/top/right/bottom): ",
    L"; Process-ID: ",
    L"width x height: ",
    L" was maximized.",
    L"The last active window has been restored to its initial size.",
    L" is now the TOPMOST window.",
    L" is no longer the TOPMOST window.",
    L" was moved to coordinates top=0/left=0.",
    L"No window had to be moved.",
    L"The following file with all window sizes and positions was automatically created and saved "
    L"in the _Exports folder: ",
    L"The following files in the _Exports folder were deleted: ",
    L"No files to be cleared were found.",
    L"Your input does not contain an x. Please enter the window width x window height in the "
    L"format 300 x 400.",
    L"Your input does contain more than one x. Please enter the window width x window height in "
    L"the format 300 x 400.",
    L"; ltrb = left/top/right/bottom coordinates",
    L" ! ltrb (left/top/right/bottom) error in the read arrangement file. The file row content "
    L"was: ",
    L" ! The following, file saved window was not found among the currently opened windows, thus "
    L"being minimized: ",
    L"empty",
    L" ! Faulty user input as desired window size width x height: ",
    L"The minimum size is 50x50 pixel.",
    L" ! Faulty user input detected. The following invalid characters were identified: ",
    // Files the program could not write.
    L" ! The following file could not be written: ",
    L". The following Windows error (decimal value) has occurred: ",
    // Further reports on windows and app start scripts.
    L" was maximized, but could not be brought to the foreground.",
    L" ! The last active window is no longer open. Please click the desired window and repeat the "
    L"command.",
    L" ! The following entry of the app start script could not be started: ",
    L". It names a program, but its file has no folder.",
    // Saving under a name the user typed, and Execute's waiting arrangement.
    L" ! Nothing was saved: a name for SaveAs may not contain a folder, a drive, \"..\" or any of "
    L"the characters \\ / : * ? \" < > |, nor be a name Windows keeps for a device (CON, PRN, AUX, "
    L"NUL, COM1 to COM9, LPT1 to LPT9). The name was: ",
    L"The arrangement that Execute was waiting for will not be applied, because a later action "
    L"came first: ",
    // The settings file at closing and at start-up.
    L"The settings could not be saved. The following file could not be written: ",
    L" ! The settings file could not be read or holds no setting that was recognised. Before the "
    L"settings are written at closing, it is kept as the following file: ",
    // Start-up.
    L"A temporary file left behind by an interrupted save was deleted: ",
    // A window whose program does not answer.
    L" does not respond: the change was handed to its program without waiting for it, and the "
    L"window was not brought to the foreground.",
    // Commands 25 and 26, which move files to the Recycle Bin.
    L" ! The following file could not be moved to the Recycle Bin and stays where it is: ",
    L"The following files in the _Arrangements folder were deleted: ",
    // A window that refused a change.
    L" refused the change and stays as it was. Windows error code (decimal value, 0: none "
    L"given): ",
    L". The window belongs to a program that runs with higher rights than Tilora (for example as "
    L"administrator); Tilora can arrange it only when it runs with the same rights.",
    // Following the monitors.
    L"The monitor layout changed (before -> now): ",
    L"The desk remembered for this monitor layout was applied from the following file: ",
    // Closing.
    L"The settings file was changed while Tilora was running: its exclusion list (ExcludeMax) is "
    L"written back as it is in the changed file: ",
};

const std::array<const wchar_t*, 72> kGermanMessages = {
    L"Der Versuch, die Datei mit den Einstellungen zu öffen war nicht erfolgreich. Der folgende "
    L"Windows Fehlercode (Dezimalwert) ist aufgetreten: ",
    L"Die Spracheinstellung wurde in der Einstellungen-Datei nicht gefunden. Die englische Sprache "
    L"wird angewendet.",
    L"Die Topmost Einstellung wurde in der Einstellungen-Datei nicht gefunden. Daher wird das "
    L"Tilora Fenster nicht auf Topmost gesetzt.",
    L"SaveAs_JJJJ-MM-TT_hh.mm.ss.txt",
    L"Der Button '",
    L"' wurde gedrückt.",
    L"Die Befehlsausführung war nicht erfolgreich. Der folgende Windows Fehlercode (Dezimalwert) "
    L"ist aufgetreten: ",
    L"Monitor",
    L"Eigenschaften",
    L"Breite",
    L"Höhe",
    L"Anzahl identifizierter Monitore: ",
    L"Virtuelle Desktop",
    L" konnte nicht minimiert werden.",
    L" wurde minimiert.",
    L"Prozesspfad: ",
    L" wurde nicht maximiert, weil das Fenster in der Exclude-Liste enthalten ist.",
    L" wurde nicht minimiert, weil das Topmost Häkchen gesetzt ist.",
    L"Mausposition: ",
    L" konnte nicht wiederhergestellt werden.",
    L" ! Die gewählte Datei wurde nicht gefunden. Der Dateiname war: ",
    L" wurde über die Befehle-Combobox ausgewählt.",
    L"Eine Separator Zeile anstatt eines ausführbaren Befehls wurde über die Befehle-Combobox "
    L"ausgewählt und ausgeführt.",
    L"Der Versuch, die Datei zu öffen war nicht erfolgreich. Der folgende Windows Fehlercode "
    L"(Dezimalwert) ist aufgetreten: ",
    L"Neues letztes aktives Fenster: ",
    L" ! Das zuletzt aktive Fenster wurde in der Startanordnung der Fenster nicht gefunden und "
    L"konnte daher nicht wiederhergestellt werden.",
    L"Die folgende Fenstergröße wurde kopiert: ",
    L"Die kopierte Fenstergröße wurde auf das folgende Fenster übertragen: ",
    L"Achtung, in diesem Windows Zyklus wurde noch keine Fenstergröße in die Zwischenablage "
    L"kopiert oder das Kopieren ist schon lange her. Es kommt der Initialisierungswert 100x100 zu "
    L"Anwendung. Trotzdem fortfahren?",
    L"Es wurden keine Fenster-Handles erhalten. Daher kann nichts angezeigt werden.",
    L" ! Es wurde kein Handle des zuletzt aktiven Fensters empfangen. Bitte klicken Sie das "
    L"erwünschte Fenster an und wiederholen Sie den Befehl.",
    L"Fenstername: ",
    L"; Position (links/oben/rechts/unten): ",
    L"; Prozess-ID: ",
    L"Breite x Höhe: ",
    L" wurde maximiert.",
    L"Das zuletzt aktive Fenster wurde in seiner Startgröße wieder hergestellt.",
    L" ist nun das TOPMOST Fenster.",
    L" ist kein TOPMOST Fenster mehr.",
    L" wurde zu den Koordinaten oben=0/links=0 bewegt.",
    L"Es musste kein Fenster verschoben werden.",
    L"Die folgende Datei mit allen Fenstergrößen und -positionen wurde automatisch erzeugt und im "
    L"_Exports Ordner gespeichert: ",
    L"Die folgenden Dateien im _Exports Verzeichnis wurden gelöscht: ",
    L"Es wurden keine zu löschenden Dateien gefunden.",
    L"Ihre Eingabe enthält kein x. Bitte geben Sie die Fensterbreite x Fensterhöhe im Format 300 x "
    L"400 ein.",
    L"Ihre Eingabe enthält mehr als ein x. Bitte geben Sie die Fensterbreite x Fensterhöhe im "
    L"Format 300 x 400 ein.",
    L"; ltrb = links/oben/rechts/unten Koordinaten",
    L" ! ltrb (links/oben/rechts/unten) Fehler in der eingelesenen Fenster-Anordnungsdatei. Der "
    L"Zeileninhalt war: ",
    L" ! Das folgende, gespeicherte Fenster wurde unter den aktuell geöffneten Fenstern nicht "
    L"gefunden und wurde minimiert: ",
    L"leer",
    L" ! Fehlerhafte Benutzereingabe als erwünschte Fenstergröße Breite x Höhe: ",
    L"Die minimale Größe beträgt 50x50 Pixel.",
    L" ! Fehlerhafte Benutzereingabe. Es wurden die folgenden, unzulässigen Zeichen ermittelt: ",
    // Files the program could not write.
    L" ! Die folgende Datei konnte nicht geschrieben werden: ",
    L". Der folgende Windows Fehlercode (Dezimalwert) ist aufgetreten: ",
    // Further reports on windows and app start scripts.
    L" wurde maximiert, konnte aber nicht in den Vordergrund gebracht werden.",
    L" ! Das zuletzt aktive Fenster ist nicht mehr geöffnet. Bitte klicken Sie das erwünschte "
    L"Fenster an und wiederholen Sie den Befehl.",
    L" ! Der folgende Eintrag des App-Startskripts konnte nicht gestartet werden: ",
    L". Er nennt ein Programm, aber seine Datei hat keinen Ordner.",
    // Saving under a name the user typed, and Execute's waiting arrangement.
    L" ! Es wurde nichts gespeichert: ein Name für Speich. Unter darf keinen Ordner, kein "
    L"Laufwerk, kein \"..\" und keines der Zeichen \\ / : * ? \" < > | enthalten und kein Name "
    L"sein, den Windows für ein Gerät vorsieht (CON, PRN, AUX, NUL, COM1 bis COM9, LPT1 bis LPT9). "
    L"Der Name war: ",
    L"Die Anordnung, auf die Ausführen gewartet hat, wird nicht angewendet, weil eine spätere "
    L"Aktion zuerst kam: ",
    // The settings file at closing and at start-up.
    L"Die Einstellungen konnten nicht gespeichert werden. Die folgende Datei konnte nicht "
    L"geschrieben werden: ",
    L" ! Die Einstellungen-Datei konnte nicht gelesen werden oder enthält keine erkannte "
    L"Einstellung. Bevor die Einstellungen beim Beenden geschrieben werden, wird sie als folgende "
    L"Datei aufbewahrt: ",
    // Start-up.
    L"Eine temporäre Datei, die ein unterbrochenes Speichern zurückgelassen hat, wurde gelöscht: ",
    // A window whose program does not answer.
    L" reagiert nicht: die Änderung wurde seinem Programm übergeben, ohne darauf zu warten, und "
    L"das Fenster wurde nicht in den Vordergrund geholt.",
    // Commands 25 and 26, which move files to the Recycle Bin.
    L" ! Die folgende Datei konnte nicht in den Papierkorb verschoben werden und bleibt, wo sie "
    L"ist: ",
    L"Die folgenden Dateien im _Arrangements Verzeichnis wurden gelöscht: ",
    // A window that refused a change.
    L" hat die Änderung abgelehnt und bleibt, wie es war. Windows Fehlercode (Dezimalwert, 0: "
    L"keiner angegeben): ",
    L". Das Fenster gehört zu einem Programm, das mit höheren Rechten als Tilora läuft (zum "
    L"Beispiel als Administrator); Tilora kann es nur anordnen, wenn es mit denselben Rechten "
    L"läuft.",
    // Following the monitors.
    L"Die Monitoranordnung hat sich geändert (vorher -> jetzt): ",
    L"Die für diese Monitoranordnung gemerkte Fensteranordnung wurde aus der folgenden Datei "
    L"angewendet: ",
    // Closing.
    L"Die Einstellungen-Datei wurde geändert, während Tilora lief: ihre Ausschlussliste "
    L"(ExcludeMax) wird so zurückgeschrieben, wie sie in der geänderten Datei steht: ",
};

const std::array<const wchar_t*, 15> kEnglishButtonCaptions = {
    L"not used",      L"Apply",     L"Execute",     L"SaveAs",     L"Copy Size",
    L"Start Arrang.", L"Open Help", L"Show MonRes", L"Paste Size", L"Minimize All",
    L"Maximize All",  L"Tile All",  L"Save SD",     L"Apply SD",   L"Eng/Ger",
};

const std::array<const wchar_t*, 15> kGermanButtonCaptions = {
    L"unbenutzt",      L"Anwenden",     L"Ausführen",    L"Speich. Unter", L"Kopiere Größe",
    L"Startanordnung", L"Öffne Hilfe",  L"Zeige MonAuf", L"Einfüg. Größe", L"Minimiere Alle",
    L"Maximiere Alle", L"Kacheln Alle", L"Speichern SD", L"Anwenden SD",   L"Deutsch/Eng",
};

const std::array<const wchar_t*, 5> kEnglishCheckBoxCaptions = {
    L"Stop", L"Clear", L"Top", L"Min", L"Mouse Pstn",
};

const std::array<const wchar_t*, 5> kGermanCheckBoxCaptions = {
    L"Stop", L"Lösche", L"Top", L"Min", L"Mausposition",
};

const std::array<const wchar_t*, 5> kEnglishLabelCaptions = {
    L"Select Command:",
    L"Select App Start Script:",
    L"Select Window Arrangement File:",
    L"User Input (e.g. new window arrangement file name):",
    L"Information Listbox:",
};

const std::array<const wchar_t*, 5> kGermanLabelCaptions = {
    L"Befehl auswählen:",
    L"App Start Skript auswählen:",
    L"Datei Fensteranordnung auswählen:",
    L"Benutzereingabe (z.B. der Name einer neuen Fensterdatei):",
    L"Listbox Informationsausgabe:",
};

const std::array<const wchar_t*, 5> kEnglishFilePrefixes = {
    L"SessionDefault_", L"AllWindowsProperties_", L"LastWindowProperties_", L"ListboxContent_", L"",
};

const std::array<const wchar_t*, 5> kGermanFilePrefixes = {
    L"SessionDefault_",
    L"AlleFensterEigenschaften_",
    L"LetztesFensterEigenschaften_",
    L"ListboxInhalt_",
    L"",
};

const std::array<const wchar_t*, 15> kEnglishButtonTooltips = {
    L"",
    L"Applies the refrenced window arrangement file",
    L"Executes the referenced app start script",
    L"Saves the current window arragement (sizes and positions) under the file name which was "
    L"input by the user or under the default name (SaveAs+date+time)",
    L"Copies the size of the last active window",
    L"Restores all window sizes and positions before the tile command",
    L"Opens the help file in PDF format",
    L"Shows the monitor resolution in the listbox",
    L"Applies the copied window size to the last active window",
    L"Minimizes all windows (= show desktop)",
    L"Maximizes all windows by keeping their z-position",
    L"Shows all windows as tiles on the screen",
    L"Saves the current window sizes and positions as the session default SD",
    L"Applies the session default SD of window sizes and positions",
    L"Toggles the language (buttons, tooltips, listbox entries) between English ad German",
};

const std::array<const wchar_t*, 15> kGermanButtonTooltips = {
    L"",
    L"Wendet die referenzierte Fensteranordnungsdatei an",
    L"Führt das referenzierte App-Startskript aus",
    L"Speichert die aktuelle Fensteranordnung (Größen und Positionen) unter dem Dateinamen, der "
    L"vom Benutzer eingegeben wurde oder unter dem Default Namen (SaveAs+Datum+Uhrzeit)",
    L"Kopiert die Größe des zuletzt aktiven Fensters",
    L"Stellt alle Fenstergrößen und -positionen vor dem Befehl Fenster-als-Kacheln wieder her",
    L"Öffnet die Hilfedatei im PDF-Format",
    L"Zeigt die Monitorauflösung in der Listbox an",
    L"Wendet die kopierte Fenstergröße auf das zuletzt aktive Fenster an",
    L"Minimiert alle Fenster (= Desktop anzeigen)",
    L"Maximiert alle Fenster unter Beibehaltung ihrer Z-Position",
    L"Zeigt alle Fenster als Kacheln auf dem Bildschirm",
    L"Speichert die aktuellen Fenstergrößen und -positionen als Sitzungs-Default (Standard) SD",
    L"Wendet den Sitzungsstandard SD der Fenstergrößen und -positionen an",
    L"Schaltet die Sprache (Schaltflächen, Tooltips, Listboxeinträge) zwischen Englisch und "
    L"Deutsch um",
};

const std::array<const wchar_t*, 5> kEnglishCheckBoxTooltips = {
    L"Sets the Tilora window to topmost in the Windows z-order",
    L"Stops entries into the listbox",
    L"Clears all listbox entries",
    L"Minimizes the Tilora window after execution of a corresponding command (e.g. Appply Session "
    L"Default). Only effective, if the topmost checkmark is not set.",
    L"Shows the mouse position in the listbox as long as checked",
};

const std::array<const wchar_t*, 5> kGermanCheckBoxTooltips = {
    L"Setzt das Tilora-Fenster auf Topmost (ganz oben) in der Windows Z-Reihenfolge",
    L"Stoppt die Einträge in der Listbox",
    L"Löscht alle Einträge in der Listbox",
    L"Minimiert das Tilora-Fenster nach Ausführung eines entsprechenden Befehls (z.B. Anwendung "
    L"des Sitzungs Defaults). Nur wirksam, wenn das Topmost Häkchen nicht gesetzt ist.",
    L"Zeigt die Mausposition in der Listbox an, solange das Häkchen gesetzt ist",
};

const std::array<const wchar_t*, 39> kEnglishCommandTexts = {
    L"Window commands:",
    L"1. Show the monitor resolution(s)",
    L"2. Show the size and position of alL windows within the list box",
    L"3. Show the size and position of the last active window",
    L"4. Copy the size of the last active window",
    L"5. Apply the copied size to all other windows",
    L"6. Apply the start size and position to the last active window",
    L"7. Set the last active window to TOPMOST",
    L"8. Reset the last active window to no-TOPMOST",
    L"9. Move all invisible windows into the visible area",
    kCommandSeparatorText,
    L"Open directory in Windows Explorer:",
    kCommandSeparatorText,
    L"10. Open the main directory of the application",
    L"11. Open the subdirectory _AppStartScripts",
    L"12. Open the subdirectory _Arrangements",
    L"13. Open the subdirectory _Exports",
    L"14. Open the subdirectory _Help",
    L"15. Open the subdirectory _License",
    L"16. Open the subdirectory _Settings",
    kCommandSeparatorText,
    L"Open file in standard text editor:",
    kCommandSeparatorText,
    L"17. Update the files found in the _AppStartScripts directory",
    L"18. Update the files found in the _Arrangements directory",
    L"19. Open the Settings.txt file",
    L"20. Open the referenced AppStartScripts file",
    L"21. Open the referenced Arrangements file",
    kCommandSeparatorText,
    L"Further Commands:",
    kCommandSeparatorText,
    L"22. Show the size and position of all windows in a text file",
    L"23. Show the size and position of the last active window in a text file",
    L"24. Export the content of the list box to a text file",
    L"25. Delete all SaveAuto text files in the _Exports directory",
    L"26. Delete all SaveAs text files in the _Arrangements directory",
    L"27. Apply user input width/height (e.g. 300x400) to the last active window",
    L"28. Restore Tilora's original size",
    L"",
};

const std::array<const wchar_t*, 39> kGermanCommandTexts = {
    L"Fensterbefehle:",
    L"1. Zeige die Monitorauflösung(en)",
    L"2. Zeige die Größe und Position aller Fenster in der Listbox",
    L"3. Zeige die Größe und Position des zuletzt aktiven Fensters",
    L"4. Kopiere die Größe des zuletzt aktiven Fensters",
    L"5. Wende die kopierte Größe auf alle anderen Fenster an",
    L"6. Wende die Startgröße und Position auf das zuletzt aktive Fenster an",
    L"7. Setze das letzte aktive Fenster auf TOPMOST",
    L"8. Setze das letzte aktive Fenster auf no-TOPMOST zurück",
    L"9. Verschiebe alle unsichtbaren Fenster in den sichtbaren Bereich",
    kCommandSeparatorText,
    L"Verzeichnis im Windows Explorer öffnen:",
    kCommandSeparatorText,
    L"10. Öffne das Hauptverzeichnis der Anwendung",
    L"11. Öffne das Unterverzeichnis _AppStartScripts",
    L"12. Öffne das Unterverzeichnis _Arrangements",
    L"13. Öffne das Unterverzeichnis _Exports",
    L"14. Öffne das Unterverzeichnis _Help",
    L"15. Öffne das Unterverzeichnis _License",
    L"16. Öffne das Unterverzeichnis _Settings",
    kCommandSeparatorText,
    L"Datei im Standard Text Editor öffnen:",
    kCommandSeparatorText,
    L"17. Aktualisiere die Dateien im _AppStartScripts Verzeichnis",
    L"18. Aktualisiere die Dateien im _Arrangements Verzeichnis",
    L"19. Öffne die Settings.txt Datei",
    L"20. Öffne die referenzierte AppStartScripts Datei",
    L"21. Öffne die referenzierte Arrangements Datei",
    kCommandSeparatorText,
    L"Weitere Befehle:",
    kCommandSeparatorText,
    L"22. Zeige die Größe und Position aller Fenster in einer Textdatei",
    L"23. Zeige die Größe/ Position des letzten Fenster in einer Textdatei",
    L"24. Exportiere den Inhalt der Listbox in eine Textdatei",
    L"25. Lösche alle SaveAuto Textdateien im _Exports Verzeichnis",
    L"26. Lösche alle SaveAs Textdateien im _Arrangements Verzeichnis",
    L"27. Wende die eingegebene Fensterbreite-/höhe (z.B. 300x400) auf das zuletzt aktive Fenster "
    L"an",
    L"28. Stelle die Tilora Originalgröße wieder her",
    L"",
};

// Each family has one entry per index in both languages, and every message id names an entry.
static_assert(kEnglishMessages.size() == kGermanMessages.size());
static_assert(kEnglishCommandTexts.size() == kGermanCommandTexts.size());
static_assert(kEnglishFilePrefixes.size() == kGermanFilePrefixes.size());
static_assert(kEnglishButtonCaptions.size() == kGermanButtonCaptions.size());
static_assert(kEnglishCheckBoxCaptions.size() == kGermanCheckBoxCaptions.size());
static_assert(kEnglishLabelCaptions.size() == kGermanLabelCaptions.size());
static_assert(kEnglishButtonTooltips.size() == kGermanButtonTooltips.size());
static_assert(kEnglishCheckBoxTooltips.size() == kGermanCheckBoxTooltips.size());
static_assert(static_cast<std::size_t>(Msg::SettingsEditedWhileRunning) ==
              kEnglishMessages.size() - 1);

struct FamilyTables {
    std::span<const wchar_t* const> english;
    std::span<const wchar_t* const> german;
};

FamilyTables TablesOf(TextFamily family) {
    switch (family) {
        case TextFamily::Messages:
            return {kEnglishMessages, kGermanMessages};
        case TextFamily::CommandTexts:
            return {kEnglishCommandTexts, kGermanCommandTexts};
        case TextFamily::FilePrefixes:
            return {kEnglishFilePrefixes, kGermanFilePrefixes};
        case TextFamily::ButtonCaptions:
            return {kEnglishButtonCaptions, kGermanButtonCaptions};
        case TextFamily::CheckBoxCaptions:
            return {kEnglishCheckBoxCaptions, kGermanCheckBoxCaptions};
        case TextFamily::LabelCaptions:
            return {kEnglishLabelCaptions, kGermanLabelCaptions};
        case TextFamily::ButtonTooltips:
            return {kEnglishButtonTooltips, kGermanButtonTooltips};
        case TextFamily::CheckBoxTooltips:
            return {kEnglishCheckBoxTooltips, kGermanCheckBoxTooltips};
    }
    return {};
}

const std::wstring& EmptyText() {
    static const std::wstring empty;
    return empty;
}

// The stored tables as strings, built once.
struct StoredTables {
    std::array<std::vector<std::wstring>, kTextFamilyCount> english;
    std::array<std::vector<std::wstring>, kTextFamilyCount> german;

    StoredTables() {
        for (int family = 0; family < kTextFamilyCount; ++family) {
            const FamilyTables tables = TablesOf(static_cast<TextFamily>(family));
            for (const wchar_t* text : tables.english)
                english[family].emplace_back(text ? text : L"");
            for (const wchar_t* text : tables.german)
                german[family].emplace_back(text ? text : L"");
        }
    }
};

const StoredTables& AllStoredTables() {
    static const StoredTables tables;
    return tables;
}

const std::wstring& Entry(const std::vector<std::wstring>& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return EmptyText();
    return table[static_cast<std::size_t>(index)];
}

}  // namespace

MessageCatalogue::MessageCatalogue() {
    for (int family = 0; family < kTextFamilyCount; ++family) {
        current_[family].assign(static_cast<std::size_t>(Size(static_cast<TextFamily>(family))),
                                std::wstring());
    }
}

int MessageCatalogue::Size(TextFamily family) {
    return static_cast<int>(TablesOf(family).english.size());
}

const std::wstring& MessageCatalogue::Stored(Language language, TextFamily family, int index) {
    const StoredTables& tables = AllStoredTables();
    const auto& table = language == Language::English ? tables.english[static_cast<int>(family)]
                                                      : tables.german[static_cast<int>(family)];
    return Entry(table, index);
}

const std::wstring& MessageCatalogue::CommandSeparator() {
    static const std::wstring separator(kCommandSeparatorText);
    return separator;
}

const std::wstring& MessageCatalogue::SeparatorLine() {
    static const std::wstring separator(500, L'-');
    return separator;
}

const std::wstring& MessageCatalogue::Current(TextFamily family, int index) const {
    return Entry(current_[static_cast<int>(family)], index);
}

std::wstring MessageCatalogue::ButtonPressedLine(int buttonIndex) const {
    return Message(Msg::ButtonPressedBegin) + Current(TextFamily::ButtonCaptions, buttonIndex) +
           Message(Msg::ButtonPressedEnd);
}

std::wstring MessageCatalogue::FileNotWrittenLine(const std::wstring& path,
                                                  int windowsError) const {
    return Message(Msg::FileNotWritten) + path + Message(Msg::WindowsErrorFollows) +
           std::to_wstring(windowsError);
}

Language MessageCatalogue::SelectedLanguage() const {
    return currentLanguage_ == L"English" ? Language::English : Language::German;
}

void MessageCatalogue::ToggleLanguage() {
    currentLanguage_ = currentLanguage_ == L"English" ? L"German" : L"English";
}

void MessageCatalogue::CopySelectedTables() {
    const Language language = SelectedLanguage();
    for (int family = 0; family < kTextFamilyCount; ++family) {
        const int size = Size(static_cast<TextFamily>(family));
        current_[family].resize(static_cast<std::size_t>(size));
        for (int index = 0; index < size; ++index) {
            current_[family][static_cast<std::size_t>(index)] =
                Stored(language, static_cast<TextFamily>(family), index);
        }
    }
}

}  // namespace tilora
