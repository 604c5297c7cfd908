// The example script and arrangement that the release zip carries, read by the real readers from
// the folders the zip puts them in. Their comments must stay silent: a user trying the examples
// should see no warning that the comments caused.
#include <filesystem>
#include <gtest/gtest.h>

#include "StartedDialogTest.h"

namespace tilora {
namespace {

class ExampleFiles : public testing::StartedDialogTest {
  protected:
    void SetUp() override {
        const std::filesystem::path examples = TILORA_EXAMPLES_DIR;
        std::filesystem::create_directories("_AppStartScripts");
        std::filesystem::create_directories("_Arrangements");
        std::filesystem::copy_file(examples / "Example.csv", "_AppStartScripts/Example.csv");
        std::filesystem::copy_file(examples / "Example.txt", "_Arrangements/Example.txt");
        fake.shell.AddPath(L"notepad.exe");
        Start();
        dialog.OnTimer();  // the first tick's report
        fake.controls.ListClear(IDC_LB_INFO);
    }
    void Tick() {
        fake.clock.Advance(500);
        dialog.OnTimer();
    }
};

TEST_F(ExampleFiles, AreListedWhereTheZipPutsThem) {
    EXPECT_EQ(fake.controls.ComboItems(IDC_CB_SCRIPT), std::vector<std::wstring>{L"Example.csv"});
    EXPECT_EQ(fake.controls.ComboItems(IDC_CB_ARRANGEMENT),
              std::vector<std::wstring>{L"Example.txt"});
}

TEST_F(ExampleFiles, ExecuteStartsNotepadAndPlacesItsWindowWithoutAnyWarning) {
    dialog.OnButtonClicked(IDC_BN_EXECUTE);
    ASSERT_EQ(fake.shell.calls().size(), 1u);  // no comment line is taken for an entry
    EXPECT_EQ(fake.shell.calls()[0].file, L"notepad.exe");
    EXPECT_EQ(fake.shell.calls()[0].parameters, L"");
    EXPECT_TRUE(context.session.arrangementPending());

    const WindowHandle notepad = fake.windows.AddWindow(L"Untitled - Notepad", {0, 0, 300, 200});
    Tick();
    EXPECT_FALSE(context.session.arrangementPending());
    EXPECT_EQ(fake.windows.NormalRect(notepad), (Rect{100, 100, 900, 700}));
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"The button 'Execute' was pressed."});
}

TEST_F(ExampleFiles, ApplyWithoutNotepadReportsOnlyTheWindowLine) {
    dialog.OnButtonClicked(IDC_BN_APPLY);
    const std::vector<std::wstring> lines = Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], L"The button 'Apply' was pressed.");
    EXPECT_EQ(lines[1].rfind(L" ! The following, file saved window was not found", 0), 0u);
    EXPECT_NE(lines[1].find(L"winName: Untitled - Notepad;"), std::wstring::npos);
}

}  // namespace
}  // namespace tilora
