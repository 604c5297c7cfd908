// The release zip, unpacked into an empty folder: Tilora.exe starts from there, and Open Help
// finds both manuals where the program looks for them.
//   tilora_package_tests.exe FOLDER      (FOLDER holds the unpacked zip and nothing else)
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "PdfHandler.h"
#include "TiloraDriver.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

std::filesystem::path unpacked;

class Package : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(unpacked.empty()) << "no folder given"; }
};

TEST_F(Package, OpenHelpFindsBothManualsAndTheExamplesAreListed) {
    const std::filesystem::path help = unpacked / L"_Help";
    ASSERT_TRUE(std::filesystem::exists(help / L"Help.pdf"));
    ASSERT_TRUE(std::filesystem::exists(help / L"Hilfe.pdf"));
    PdfHandler viewer(std::filesystem::temp_directory_path() / L"tilora-package-opened.txt");
    ASSERT_TRUE(viewer.registered());

    TiloraProcess tilora(unpacked, unpacked / L"Tilora.exe");
    ASSERT_NE(tilora.dialog(), nullptr) << "Tilora's dialog did not appear";
    ASSERT_TRUE(tilora.WaitForStartUpReport());
    EXPECT_EQ(tilora.ComboItem(IDC_CB_SCRIPT, 0), L"Example.csv");
    EXPECT_EQ(tilora.ComboItem(IDC_CB_ARRANGEMENT, 0), L"Example.txt");

    const std::size_t before = tilora.LogLines().size();
    tilora.PostClick(IDC_BN_OPENHELP);
    EXPECT_EQ(viewer.WaitForOpenedDocument(), (help / L"Help.pdf").wstring());
    tilora.Click(IDC_BN_LANGUAGE);
    tilora.PostClick(IDC_BN_OPENHELP);
    EXPECT_EQ(viewer.WaitForOpenedDocument(), (help / L"Hilfe.pdf").wstring());

    // Only the press lines: the shell reported success both times.
    const auto lines = tilora.LogLines();
    EXPECT_EQ(
        std::vector<std::wstring>(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end()),
        (std::vector<std::wstring>{L"The button 'Open Help' was pressed.",
                                   L"The button 'Eng/Ger' was pressed.",
                                   L"Der Button 'Öffne Hilfe' wurde gedrückt."}));
}

TEST_F(Package, TheExampleScriptStartsNotepadAndPlacesItWithoutAWarning) {
    TiloraProcess tilora(unpacked, unpacked / L"Tilora.exe");
    ASSERT_NE(tilora.dialog(), nullptr) << "Tilora's dialog did not appear";
    ASSERT_TRUE(tilora.WaitForStartUpReport());
    const std::size_t before = tilora.LogLines().size();
    tilora.PostClick(IDC_BN_EXECUTE);

    HWND notepad = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (notepad = ::FindWindowW(nullptr, L"Untitled - Notepad")); },
                        std::chrono::seconds(20)));
    // The example arrangement's only window line.
    const RECT expected{100, 100, 900, 700};
    EXPECT_TRUE(WaitFor(
        [&] {
            WINDOWPLACEMENT placement{};
            placement.length = sizeof(placement);
            ::GetWindowPlacement(notepad, &placement);
            return ::EqualRect(&placement.rcNormalPosition, &expected) != FALSE;
        },
        std::chrono::seconds(20)));
    const auto lines = tilora.LogLines();
    ASSERT_GT(lines.size(), before);
    EXPECT_EQ(lines[before], L"The button 'Execute' was pressed.");
    for (std::size_t i = before; i < lines.size(); ++i) {
        EXPECT_NE(lines[i].rfind(L" ! ", 0), 0u) << "a warning: " << lines[i];
    }
    ::PostMessageW(notepad, WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace tilora::e2e

int wmain(int argc, wchar_t** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) tilora::e2e::unpacked = argv[1];
    return RUN_ALL_TESTS();
}
