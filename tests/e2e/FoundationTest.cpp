// The dialog, its languages and its message log, driven through the real Tilora.exe.
#include <thread>

#include "DialogCaptions.h"
#include "TiloraTest.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

void ExpectCaptions(const TiloraProcess& tilora, bool english) {
    for (const expected::Caption& caption : expected::kCaptions) {
        EXPECT_EQ(tilora.Text(caption.controlId), english ? caption.english : caption.german)
            << "control " << caption.controlId;
    }
    EXPECT_EQ(tilora.ComboItem(IDC_CB_COMMAND, 1), english ? L"1. Show the monitor resolution(s)"
                                                           : L"1. Zeige die Monitorauflösung(en)");
    EXPECT_EQ(tilora.ComboSelection(IDC_CB_COMMAND), 1);
}

using Foundation = TiloraTest;

TEST_F(Foundation, StartInAnEmptyFolderCreatesTheSixFolders) {
    for (const wchar_t* name : {L"_Arrangements", L"_AppStartScripts", L"_Exports", L"_Help",
                                L"_License", L"_Settings"}) {
        EXPECT_TRUE(std::filesystem::is_directory(folder.path() / name)) << "missing folder";
    }
}

TEST_F(Foundation, TheDialogIsCaptionedAndLabelledInEnglish) {
    EXPECT_EQ(tilora.WindowText(tilora.dialog()), L"Tilora v1.09 (b)");
    ExpectCaptions(tilora, true);
}

TEST_F(Foundation, EngGerSwitchesEveryCaptionToGermanAndBack) {
    tilora.Click(IDC_BN_LANGUAGE);
    ExpectCaptions(tilora, false);
    tilora.Click(IDC_BN_LANGUAGE);
    ExpectCaptions(tilora, true);
    EXPECT_EQ(NewLogLines(),
              (std::vector<std::wstring>{L"The button 'Eng/Ger' was pressed.",
                                         L"Der Button 'Deutsch/Eng' wurde gedrückt."}));
}

TEST_F(Foundation, TheCommandBoxHoldsThirtyNineEntriesWithTheFirstCommandSelected) {
    EXPECT_EQ(tilora.ComboCount(IDC_CB_COMMAND), 39);
    EXPECT_EQ(tilora.ComboSelection(IDC_CB_COMMAND), 1);
    EXPECT_EQ(tilora.ComboItem(IDC_CB_COMMAND, 0), L"Window commands:");
    EXPECT_EQ(tilora.ComboItem(IDC_CB_COMMAND, 37), L"28. Restore Tilora's original size");
    EXPECT_EQ(tilora.ComboItem(IDC_CB_COMMAND, 38), L"");
}

TEST_F(Foundation, StopSuppressesLogLines) {
    tilora.Click(IDC_CK_STOP);
    ASSERT_TRUE(tilora.IsChecked(IDC_CK_STOP));
    tilora.Click(IDC_BN_LANGUAGE);
    EXPECT_TRUE(NewLogLines().empty());

    tilora.Click(IDC_CK_STOP);
    tilora.Click(IDC_BN_LANGUAGE);
    EXPECT_EQ(NewLogLines(),
              std::vector<std::wstring>{L"Der Button 'Deutsch/Eng' wurde gedrückt."});
}

TEST_F(Foundation, ClearEmptiesTheLogAndUnchecksItselfAboutTwoSecondsLater) {
    tilora.Click(IDC_BN_LANGUAGE);
    ASSERT_FALSE(tilora.LogLines().empty());
    const auto clicked = std::chrono::steady_clock::now();
    tilora.Click(IDC_CK_CLEAR);
    EXPECT_TRUE(tilora.LogLines().empty());
    EXPECT_TRUE(tilora.IsChecked(IDC_CK_CLEAR));
    ASSERT_TRUE(WaitFor([&] { return !tilora.IsChecked(IDC_CK_CLEAR); }, std::chrono::seconds(6)));
    EXPECT_GE(std::chrono::steady_clock::now() - clicked, std::chrono::milliseconds(1900));
}

TEST_F(Foundation, ClickingIntoTheUserInputFieldEmptiesIt) {
    const HWND edit = ::GetDlgItem(tilora.dialog(), IDC_ED_USERINPUT);
    ::PostMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::PostMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(WaitFor([&] { return tilora.Text(IDC_ED_USERINPUT).empty(); }));
}

TEST_F(Foundation, EscClosesTheProgram) {
    tilora.PressEscape();
    EXPECT_TRUE(tilora.WaitForExit());
}

TEST_F(Foundation, TheCloseBoxClosesTheProgram) {
    tilora.CloseBox();
    EXPECT_TRUE(tilora.WaitForExit());
}

TEST_F(Foundation, EnterDoesNotEndTheDialog) {
    const HWND list = ::GetDlgItem(tilora.dialog(), IDC_LB_INFO);
    ::PostMessageW(list, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ::PostMessageW(list, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001u));
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_TRUE(tilora.running());
}

}  // namespace
}  // namespace tilora::e2e
