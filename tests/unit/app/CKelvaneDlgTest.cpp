#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "DialogCaptions.h"
#include "FakePlatform.h"
#include "StartedDialogTest.h"
#include "app/CKelvaneDlg.h"
#include "app/ControlTables.h"
#include "files/FileAccess.h"
#include "files/PathText.h"
#include "platform/ControlIds.h"

namespace tilora {
namespace {

using testing::FakePlatform;
using testing::ScopedWorkingFolder;

// These tests start the dialog themselves, some after writing a settings file first.
class DialogTest : public testing::StartedDialogTest {
  protected:
    void SetUp() override {}

    // A Settings.txt in the working folder, for the next start.
    static void WriteSettings(const std::string& text) {
        std::filesystem::create_directories("_Settings");
        std::ofstream("_Settings/Settings.txt", std::ios::binary) << text;
    }
    void Click(int controlId) { dialog.OnButtonClicked(controlId); }
    void ClickCheckBox(int controlId, bool checked) {
        fake.controls.UserSetsCheck(controlId, checked);
        dialog.OnButtonClicked(controlId);
    }
};

TEST_F(DialogTest, StartInAnEmptyFolderCreatesTheSixFolders) {
    dialog.OnInitDialog();
    for (const char* name :
         {"_Arrangements", "_AppStartScripts", "_Exports", "_Help", "_License", "_Settings"}) {
        EXPECT_TRUE(std::filesystem::is_directory(folder.path() / name)) << name;
    }
    EXPECT_EQ(context.paths.baseDir, FromPath(std::filesystem::current_path()));
    EXPECT_EQ(fake.controls.caption(), L"Tilora v1.09 (b)");
    EXPECT_EQ(fake.controls.Extent(IDC_LB_INFO), 2000);
    EXPECT_EQ(fake.controls.Extent(IDC_CB_COMMAND), 500);
    EXPECT_EQ(MessageCatalogue::SeparatorLine(), std::wstring(500, L'-'));
    EXPECT_TRUE(fake.journal.Contains("SetIcons"));
}

TEST_F(DialogTest, StartUpDeletesLeftOverTemporaryFilesAndSaysWhichInTheLanguageRead) {
    struct Case {
        const char* language;
        std::wstring text;
    };
    const Case cases[] = {
        {"English", L"A temporary file left behind by an interrupted save was deleted: "},
        {"German",
         L"Eine temporäre Datei, die ein unterbrochenes Speichern zurückgelassen hat, "
         L"wurde gelöscht: "},
    };
    for (const Case& c : cases) {
        ScopedWorkingFolder caseFolder{"tilora-leftover-start"};
        WriteSettings(std::string("Language = ") + c.language + "\r\n");
        for (const char* name : {"_Arrangements", "_Exports", "_AppStartScripts"}) {
            std::filesystem::create_directories(name);
        }
        for (const char* name :
             {"_Settings/Settings.txt.~tmp", "_Arrangements/SessionDefault_2024.txt.~tmp",
              "_Exports/SaveAuto_2024.txt.~tmp", "_Arrangements/notes.~tmpx",
              "_AppStartScripts/Start.tmp"}) {
            std::ofstream(name, std::ios::binary) << std::string(4096, 'x');
        }
        FakePlatform platform;
        CommandContext startingContext(platform.platform());
        CKelvaneDlg startingDialog(startingContext);
        startingDialog.OnInitDialog();

        const AppPaths& paths = startingContext.paths;
        std::vector<std::wstring> deleted;
        for (const std::wstring& line : platform.controls.Lines(IDC_LB_INFO)) {
            if (line.starts_with(c.text)) deleted.push_back(line.substr(c.text.size()));
        }
        // The folders in the order they are made, and by name within each.
        EXPECT_EQ(deleted, (std::vector<std::wstring>{
                               paths.exportsDir + L"SaveAuto_2024.txt.~tmp",
                               paths.settingsDir + L"Settings.txt.~tmp",
                               paths.arrangementsDir + L"SessionDefault_2024.txt.~tmp",
                           }))
            << c.language;
        for (const std::wstring& path : deleted) {
            EXPECT_FALSE(std::filesystem::exists(ToPath(path))) << c.language;
        }
        EXPECT_TRUE(std::filesystem::exists("_Arrangements/notes.~tmpx"));
        EXPECT_TRUE(std::filesystem::exists("_AppStartScripts/Start.tmp"));
    }
}

TEST_F(DialogTest, HibernationLibraryLinesAtStartUp) {
    struct Case {
        bool powrprofMissing;
        bool entryPointMissing;
        std::vector<std::wstring> lines;
    };
    const Case cases[] = {
        {false, false, {}},
        {true, false, {kPowrprofMissingLine, kSetSuspendStateMissingLine}},
        {false, true, {kSetSuspendStateMissingLine}},
    };
    for (const Case& c : cases) {
        FakePlatform platform;
        if (c.powrprofMissing) platform.libraries.RemoveLibrary(L"powrprof.dll");
        if (c.entryPointMissing) platform.libraries.RemoveEntryPoint("SetSuspendState");
        CommandContext startingDialogContext(platform.platform());
        CKelvaneDlg startingDialog(startingDialogContext);
        startingDialog.OnInitDialog();
        auto lines = platform.controls.Lines(IDC_LB_INFO);
        lines.erase(lines.begin());  // the missing settings file
        EXPECT_EQ(lines, c.lines);
        EXPECT_LT(platform.journal.IndexOf("Resolve PSAPI.DLL GetModuleBaseNameW"),
                  platform.journal.IndexOf("Load powrprof.dll"));
    }
}

TEST_F(DialogTest, FirstPaintPlacesTheDialogAtTheCheckedStartPosition) {
    WriteSettings("StartPosition = 100,200\r\n");
    Start();
    EXPECT_EQ(context.model.ownWindow(), own);
    EXPECT_EQ(fake.windows.window(own).rect, (Rect{100, 200, 549, 605}));

    FakePlatform other;
    const WindowHandle otherWindow = other.AddDialogWindow(kOwnTitle, {0, 0, 449, 405});
    WriteSettings("StartPosition = 100,-5\r\n");
    CommandContext offScreenContext(other.platform());
    CKelvaneDlg offScreen(offScreenContext);
    offScreen.OnInitDialog();
    offScreen.OnPaint();
    EXPECT_EQ(other.windows.window(otherWindow).rect, (Rect{0, 0, 449, 405}));
}

TEST_F(DialogTest, FirstPaintMovesItsOwnWindowNotAnotherTiloraOfTheSameTitle) {
    // Started from another folder and first in the z-order, as a topmost one is.
    const WindowHandle another = fake.windows.AddWindow(kOwnTitle, {500, 500, 949, 905});
    WriteSettings("StartPosition = 100,200\r\n");
    Start();
    EXPECT_EQ(context.model.ownWindow(), own);
    EXPECT_EQ(fake.windows.window(own).rect, (Rect{100, 200, 549, 605}));
    EXPECT_EQ(fake.windows.window(another).rect, (Rect{500, 500, 949, 905}));
}

TEST_F(DialogTest, ADialogClosedOnAMonitorLeftOfThePrimaryOneReopensThere) {
    fake.windows.SetMonitors({{0, 0, 1920, 1080}, {-1920, 0, 0, 1080}});
    fake.windows.SetVirtualScreen({-1920, 0}, {3840, 1080});
    WriteSettings("StartPosition = -1500,100\r\n");
    Start();
    EXPECT_EQ(fake.windows.window(own).rect, (Rect{-1500, 100, -1051, 505}));
    EXPECT_EQ(context.settings.startPosition, (Point{-1500, 100}));
}

TEST_F(DialogTest, FirstPaintMakesTheDialogTopmostOnlyWhenSet) {
    for (bool topmost : {true, false}) {
        FakePlatform platform;
        const WindowHandle ownOfCase = platform.AddDialogWindow(kOwnTitle, {0, 0, 449, 405});
        WriteSettings(std::string("StartPosition = 10,10\r\nTopmost = ") +
                      (topmost ? "True" : "False"));
        CommandContext startingDialogContext(platform.platform());
        CKelvaneDlg startingDialog(startingDialogContext);
        startingDialog.OnInitDialog();
        startingDialog.OnPaint();
        ASSERT_EQ(platform.windows.setWindowPosCalls().size(), 1u);
        const auto& call = platform.windows.setWindowPosCalls().front();
        EXPECT_EQ(call.window, ownOfCase);
        EXPECT_NE(call.flags & kSwpShowWindow, 0u);
        EXPECT_NE(call.flags & kSwpNoSize, 0u);
        EXPECT_EQ(call.flags & kSwpNoZOrder, topmost ? 0u : kSwpNoZOrder);
        EXPECT_EQ(platform.windows.window(ownOfCase).topmost, topmost);
        if (topmost) {
            EXPECT_EQ(call.insertAfter, kHwndTopmost);
        }
    }
}

TEST_F(DialogTest, FirstPaintRunsOnceHoweverOftenTheDialogRepaints) {
    Start();
    fake.controls.SetMinimized(true);
    dialog.OnPaint();
    fake.controls.SetMinimized(false);
    dialog.OnPaint();
    dialog.OnPaint();
    EXPECT_EQ(fake.controls.timerStarts(), 1);
    for (int combo : {IDC_CB_COMMAND, IDC_CB_SCRIPT, IDC_CB_ARRANGEMENT}) {
        EXPECT_EQ(fake.journal.Count("ComboReset " + std::to_string(combo)), 1) << combo;
    }
    EXPECT_EQ(fake.controls.runningTimers().at(kTimerId), 500u);
    EXPECT_EQ(fake.windows.setWindowPosCalls().size(), 1u);
}

TEST_F(DialogTest, TheMinimisedDialogShowsItsIconCentred) {
    Start();
    fake.controls.SetMinimized(true);
    dialog.OnPaint();
    // (443 - 32 + 1) / 2 and (376 - 32 + 1) / 2
    ASSERT_EQ(fake.controls.drawnIcons().size(), 1u);
    EXPECT_EQ(fake.controls.drawnIcons().front(), (Point{206, 172}));
    EXPECT_EQ(fake.controls.defaultPaints(), 1);
}

TEST_F(DialogTest, ClosingStopsTheTimerReleasesTheLibrariesThenEnds) {
    Start();
    dialog.OnCancel();
    const auto& journal = fake.journal;
    const int timer = journal.IndexOf("StopTimer 1");
    const int psapi = journal.IndexOf("Release PSAPI.DLL");
    const int powrprof = journal.IndexOf("Release powrprof.dll");
    const int end = journal.IndexOf("EndDialog 2");
    ASSERT_GE(timer, 0);
    EXPECT_LT(timer, psapi);
    EXPECT_LT(psapi, powrprof);
    EXPECT_LT(powrprof, end);
    EXPECT_FALSE(fake.libraries.IsLoaded(L"PSAPI.DLL"));
}

TEST_F(DialogTest, ClosingWritesTheSettingsAsTheyAreThen) {
    WriteSettings("Language = German\r\nExcludeMax = a.exe;b.exe\r\nMinimize = True\r\n");
    Start();
    fake.windows.SetWindowPos(own, kHwndTop, -300, 42, 0, 0, kSwpNoSize | kSwpNoZOrder);
    Click(IDC_BN_LANGUAGE);
    ClickCheckBox(IDC_CK_TOP, true);
    ClickCheckBox(IDC_CK_MIN, false);
    dialog.OnCancel();
    std::ifstream in(folder.path() / "_Settings" / "Settings.txt", std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    EXPECT_EQ(written,
              "Language = English\r\nStartPosition = -300,42\r\nTopmost = True\r\n"
              "Minimize = False\r\nExcludeMax = a.exe;b.exe\r\n");
    EXPECT_TRUE(fake.controls.ended());
}

std::string SettingsFileBytes(const std::filesystem::path& folder) {
    std::ifstream in(folder / "_Settings" / "Settings.txt", std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST_F(DialogTest, ClosingStoresWhereTheDialogIsShownNormally) {
    struct Case {
        unsigned showCommand;
        const char* position;
    };
    const Case cases[] = {
        {kSwShowNormal, "StartPosition = 150,60\r\n"},
        {kSwShowMinimized, "StartPosition = 150,60\r\n"},
        {kSwShowMaximized, "StartPosition = 150,60\r\n"},
    };
    Start();
    fake.windows.SetWindowPos(own, kHwndTop, 150, 60, 0, 0, kSwpNoSize | kSwpNoZOrder);
    for (const Case& c : cases) {
        fake.windows.ShowWindow(own, c.showCommand);
        dialog.OnCancel();
        EXPECT_NE(SettingsFileBytes(folder.path()).find(c.position), std::string::npos)
            << c.showCommand << ": " << SettingsFileBytes(folder.path());
        fake.windows.ShowWindow(own, kSwRestore);
    }
}

TEST_F(DialogTest, AFailedSettingsWriteAtClosingIsShownInABoxAndTheDialogStillEnds) {
    Start();
    const std::wstring path = context.paths.settingsFilePath;
    std::filesystem::create_directory(ToPath(ReplacementPathFor(path)));
    dialog.OnCancel();

    ASSERT_EQ(fake.controls.informationBoxes().size(), 1u);
    EXPECT_EQ(fake.controls.informationBoxes()[0].caption, L"Tilora");
    EXPECT_EQ(fake.controls.informationBoxes()[0].text,
              L"The settings could not be saved. The following file could not be written: " + path +
                  L". The following Windows error (decimal value) has occurred: 5");
    EXPECT_EQ(Lines().back(), context.catalogue.FileNotWrittenLine(path, 5));
    const auto& journal = fake.journal;
    EXPECT_LT(journal.IndexOf("StopTimer 1"), journal.IndexOf("ShowInformationBox"));
    EXPECT_LT(journal.IndexOf("ShowInformationBox"), journal.IndexOf("EndDialog 2"));
    EXPECT_TRUE(fake.controls.ended());
}

TEST_F(DialogTest, TheSessionEndWritesTheSettingsWithoutABoxOrEndingTheDialog) {
    Start();
    fake.windows.SetWindowPos(own, kHwndTop, 70, 80, 0, 0, kSwpNoSize | kSwpNoZOrder);
    fake.windows.ShowWindow(own, kSwShowMinimized);
    ClickCheckBox(IDC_CK_MIN, true);
    dialog.OnEndSession();
    EXPECT_EQ(SettingsFileBytes(folder.path()),
              "Language = English\r\nStartPosition = 70,80\r\nTopmost = False\r\n"
              "Minimize = True\r\nExcludeMax = \r\n");
    EXPECT_FALSE(fake.controls.ended());

    std::filesystem::create_directory(ToPath(ReplacementPathFor(context.paths.settingsFilePath)));
    dialog.OnEndSession();
    EXPECT_TRUE(fake.controls.informationBoxes().empty());
    EXPECT_EQ(Lines().back(),
              context.catalogue.FileNotWrittenLine(context.paths.settingsFilePath, 5));
}

TEST_F(DialogTest, EveryNotificationWritesItsLinesWithoutPaintingTheLogInBetween) {
    Start();
    Click(IDC_BN_SHOWMONRES);
    ClickCheckBox(IDC_CK_MOUSE, true);
    dialog.OnTimer();
    ChooseCommandEntry(2);
    EXPECT_GT(Lines().size(), 5u);
    EXPECT_EQ(fake.controls.AppendsWhileRedrawing(IDC_LB_INFO), 0);
    EXPECT_TRUE(fake.controls.Redrawing(IDC_LB_INFO));
    EXPECT_EQ(fake.controls.TopIndex(IDC_LB_INFO), static_cast<int>(Lines().size()) - 1);
}

TEST_F(DialogTest, EnterDoesNotEndTheDialog) {
    Start();
    dialog.OnOk();
    EXPECT_FALSE(fake.controls.ended());
}

// One tooltip per control, the check boxes in their own order.
const expected::Caption kTooltips[] = {
    {IDC_BN_APPLY, L"Applies the refrenced window arrangement file",
     L"Wendet die referenzierte Fensteranordnungsdatei an"},
    {IDC_BN_OPENHELP, L"Opens the help file in PDF format", L"Öffnet die Hilfedatei im PDF-Format"},
    {IDC_CK_TOP, L"Sets the Tilora window to topmost in the Windows z-order",
     L"Setzt das Tilora-Fenster auf Topmost (ganz oben) in der Windows Z-Reihenfolge"},
    {IDC_CK_STOP, L"Stops entries into the listbox", L"Stoppt die Einträge in der Listbox"},
    {IDC_CK_CLEAR, L"Clears all listbox entries", L"Löscht alle Einträge in der Listbox"},
    {IDC_CK_MOUSE, L"Shows the mouse position in the listbox as long as checked",
     L"Zeigt die Mausposition in der Listbox an, solange das Häkchen gesetzt ist"},
};

void ExpectLabelledIn(const testing::FakeDialogControls& controls, Language language) {
    const bool english = language == Language::English;
    for (const expected::Caption& caption : expected::kCaptions) {
        EXPECT_EQ(controls.Text(caption.controlId), english ? caption.english : caption.german)
            << caption.controlId;
    }
    for (const expected::Caption& tooltip : kTooltips) {
        EXPECT_EQ(controls.TooltipTexts(tooltip.controlId),
                  std::vector<std::wstring>{english ? tooltip.english : tooltip.german})
            << tooltip.controlId;
    }
    EXPECT_EQ(controls.TooltipCount(), 19u);  // fourteen buttons and five check boxes

    const auto commands = controls.ComboItems(IDC_CB_COMMAND);
    ASSERT_EQ(commands.size(), 39u);
    for (int index = 0; index < 39; ++index) {
        EXPECT_EQ(commands[static_cast<std::size_t>(index)],
                  MessageCatalogue::Stored(language, TextFamily::CommandTexts, index));
    }
    EXPECT_EQ(commands[1], english ? L"1. Show the monitor resolution(s)"
                                   : L"1. Zeige die Monitorauflösung(en)");
    EXPECT_EQ(controls.ComboSelection(IDC_CB_COMMAND), 1);
}

TEST_F(DialogTest, FirstPaintLabelsTheDialogInTheLanguageRead) {
    Start();
    ExpectLabelledIn(fake.controls, Language::English);

    FakePlatform german;
    german.AddDialogWindow(kOwnTitle, {0, 0, 449, 405});
    CommandContext germanDialogContext(german.platform());
    CKelvaneDlg germanDialog(germanDialogContext);
    germanDialog.OnInitDialog();
    germanDialogContext.catalogue.SetCurrentLanguage(L"German");
    germanDialog.OnPaint();
    ExpectLabelledIn(german.controls, Language::German);
}

TEST_F(DialogTest, EngGerSwitchesEveryTextAndBackAgain) {
    Start();
    fake.controls.UserTypes(IDC_ED_USERINPUT, L"my layout");

    Click(IDC_BN_LANGUAGE);
    ExpectLabelledIn(fake.controls, Language::German);
    EXPECT_EQ(context.catalogue.currentLanguage(), L"German");

    Click(IDC_BN_LANGUAGE);
    ExpectLabelledIn(fake.controls, Language::English);
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"The button 'Eng/Ger' was pressed.",
                                                  L"Der Button 'Deutsch/Eng' wurde gedrückt."}));
}

TEST_F(DialogTest, EngGerFromAnUnknownLanguageGoesToEnglish) {
    dialog.OnInitDialog();
    context.catalogue.SetCurrentLanguage(L"Klingon");
    dialog.OnPaint();
    ExpectLabelledIn(fake.controls, Language::German);
    Click(IDC_BN_LANGUAGE);
    ExpectLabelledIn(fake.controls, Language::English);
}

TEST_F(DialogTest, StopAndClearWorkThroughTheDialog) {
    Start();
    ClickCheckBox(IDC_CK_STOP, true);
    Click(IDC_BN_LANGUAGE);
    EXPECT_TRUE(Lines().empty());
    ClickCheckBox(IDC_CK_STOP, false);
    Click(IDC_BN_LANGUAGE);
    EXPECT_EQ(Lines().size(), 1u);

    ClickCheckBox(IDC_CK_CLEAR, true);
    EXPECT_TRUE(Lines().empty());
    fake.clock.Advance(2001);
    dialog.OnTimer();
    EXPECT_FALSE(fake.controls.IsChecked(IDC_CK_CLEAR));
}

TEST_F(DialogTest, UserInputFocusEmptiesTheField) {
    Start();
    dialog.OnUserInputSetFocus();
    EXPECT_EQ(fake.controls.Text(IDC_ED_USERINPUT), L"");
    fake.controls.UserTypes(IDC_ED_USERINPUT, L"Layout1");
    dialog.OnUserInputSetFocus();
    EXPECT_EQ(fake.controls.Text(IDC_ED_USERINPUT), L"");
}

}  // namespace
}  // namespace tilora
