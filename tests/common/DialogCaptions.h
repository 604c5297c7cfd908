// What the dialog's buttons, check boxes, labels and user-input field read in each language.
#pragma once

#include "platform/ControlIds.h"

namespace tilora::expected {

struct Caption {
    int controlId;
    const wchar_t* english;
    const wchar_t* german;
};

inline const Caption kCaptions[] = {
    {IDC_BN_APPLY, L"Apply", L"Anwenden"},
    {IDC_BN_EXECUTE, L"Execute", L"Ausführen"},
    {IDC_BN_SAVEAS, L"SaveAs", L"Speich. Unter"},
    {IDC_BN_COPYSIZE, L"Copy Size", L"Kopiere Größe"},
    {IDC_BN_STARTARRANG, L"Start Arrang.", L"Startanordnung"},
    {IDC_BN_OPENHELP, L"Open Help", L"Öffne Hilfe"},
    {IDC_BN_SHOWMONRES, L"Show MonRes", L"Zeige MonAuf"},
    {IDC_BN_PASTESIZE, L"Paste Size", L"Einfüg. Größe"},
    {IDC_BN_MINIMIZEALL, L"Minimize All", L"Minimiere Alle"},
    {IDC_BN_MAXIMIZEALL, L"Maximize All", L"Maximiere Alle"},
    {IDC_BN_TILEALL, L"Tile All", L"Kacheln Alle"},
    {IDC_BN_SAVESD, L"Save SD", L"Speichern SD"},
    {IDC_BN_APPLYSD, L"Apply SD", L"Anwenden SD"},
    {IDC_BN_LANGUAGE, L"Eng/Ger", L"Deutsch/Eng"},
    {IDC_CK_STOP, L"Stop", L"Stop"},
    {IDC_CK_CLEAR, L"Clear", L"Lösche"},
    {IDC_CK_TOP, L"Top", L"Top"},
    {IDC_CK_MIN, L"Min", L"Min"},
    {IDC_CK_MOUSE, L"Mouse Pstn", L"Mausposition"},
    {IDC_ST_COMMAND, L"Select Command:", L"Befehl auswählen:"},
    {IDC_ST_SCRIPT, L"Select App Start Script:", L"App Start Skript auswählen:"},
    {IDC_ST_ARRANGEMENT, L"Select Window Arrangement File:", L"Datei Fensteranordnung auswählen:"},
    {IDC_ST_USERINPUT, L"User Input (e.g. new window arrangement file name):",
     L"Benutzereingabe (z.B. der Name einer neuen Fensterdatei):"},
    {IDC_ST_INFO, L"Information Listbox:", L"Listbox Informationsausgabe:"},
    {IDC_ED_USERINPUT, L"SaveAs_yyyy-mm-dd_hh.mm.ss.txt", L"SaveAs_JJJJ-MM-TT_hh.mm.ss.txt"},
};

}  // namespace tilora::expected
