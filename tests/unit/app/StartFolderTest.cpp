#include <cwctype>
#include <gtest/gtest.h>

#include "FakeWindowManager.h"
#include "app/StartFolder.h"

namespace tilora {
namespace {

using testing::FakeWindowManager;

constexpr wchar_t kOwn[] = L"Tilora v1.09 (b)";
constexpr unsigned kThisProcess = 5;

// The session as other starts left it: the folder's mutex is held by another start until the
// claim numbered freeAtClaim (never when negative), which published heldBy.
class FakeNamedObjects : public NamedObjects {
  public:
    int freeAtClaim = 0;
    bool unavailable = false;
    std::optional<unsigned> heldBy;
    std::vector<std::wstring> claimed;

    std::wstring UpperCaseInvariant(const std::wstring& text) const override {
        std::wstring upper = text;
        for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
        return upper;
    }
    MutexClaim ClaimMutex(const std::wstring& name, unsigned) override {
        claimed.push_back(name);
        if (unavailable) return MutexClaim::Unavailable;
        const bool free = freeAtClaim >= 0 && static_cast<int>(claimed.size()) > freeAtClaim;
        return free ? MutexClaim::Owned : MutexClaim::HeldElsewhere;
    }
    bool PublishProcessId(const std::wstring&) override {
        heldBy = kThisProcess;
        return true;
    }
    std::optional<unsigned> PublishedProcessId(const std::wstring&) const override {
        return heldBy;
    }
};

TEST(StartFolder, ObjectNamesAreTheSameForOneFolderAndFitTheSystemsLimit) {
    const std::wstring folder = L"C:\\USERS\\ME\\TILORA";
    EXPECT_EQ(FolderObjectName(L"Folder", folder), FolderObjectName(L"Folder", folder));
    EXPECT_NE(FolderObjectName(L"Folder", folder), FolderObjectName(L"Dialog", folder));
    EXPECT_NE(FolderObjectName(L"Folder", folder),
              FolderObjectName(L"Folder", L"D:\\USERS\\ME\\TILORA"));
    const std::wstring deep = L"C:" + std::wstring(32000, L'\\');
    for (const std::wstring& key : {folder, deep, deep + L"X"}) {
        const std::wstring name = FolderObjectName(L"Folder", key);
        EXPECT_LE(name.size(), 260u);
        EXPECT_EQ(name.find(L'\\', std::wstring(L"Local\\").size()), std::wstring::npos);
    }
    EXPECT_NE(FolderObjectName(L"Folder", deep), FolderObjectName(L"Folder", deep + L"X"));
}

TEST(StartFolder, ASecondStartShowsTheFoldersDialogOrRunsOnceTheFolderIsFree) {
    struct Case {
        const char* name;
        int freeAtClaim;
        bool unavailable;
        bool othersDialog;  // the start that holds the folder shows its dialog, minimised
        StartDecision decision;
        std::size_t claims;
    };
    const Case cases[] = {
        {"first start", 0, false, false, StartDecision::Run, 1},
        {"no guard", -1, true, false, StartDecision::Run, 1},
        {"dialog shown", -1, false, true, StartDecision::ShownRunningDialog, 1},
        {"other start ending", 3, false, false, StartDecision::Run, 4},
        {"other start shows nothing", -1, false, false, StartDecision::GaveUp,
         static_cast<std::size_t>(kStartFolderAttempts)},
    };
    for (const Case& c : cases) {
        testing::CallJournal journal;
        FakeWindowManager desktop(journal);
        FakeNamedObjects objects;
        objects.freeAtClaim = c.freeAtClaim;
        objects.unavailable = c.unavailable;
        if (!c.unavailable && c.freeAtClaim != 0) objects.heldBy = 10;
        const WindowHandle elsewhere = desktop.AddWindow(kOwn, {0, 0, 449, 405}, 20);
        const WindowHandle dialog = desktop.AddWindow(kOwn, {0, 0, 449, 405}, 10);
        desktop.window(dialog).placement.showCmd = kSwShowMinimized;
        desktop.window(dialog).visible = c.othersDialog;
        desktop.SetForeground(elsewhere);

        EXPECT_EQ(ClaimStartFolder(objects, desktop, L"c:\\Users\\me\\Tilora\\", kOwn), c.decision)
            << c.name;
        EXPECT_EQ(objects.claimed.size(), c.claims) << c.name;
        EXPECT_EQ(objects.claimed[0], FolderObjectName(L"Folder", L"C:\\USERS\\ME\\TILORA"));
        EXPECT_EQ(objects.heldBy == kThisProcess,
                  c.decision == StartDecision::Run && !c.unavailable)
            << c.name;
        EXPECT_EQ(desktop.GetForegroundWindow(), c.othersDialog ? dialog : elsewhere) << c.name;
        EXPECT_EQ(desktop.ShowState(dialog), c.othersDialog ? kSwShowNormal : kSwShowMinimized)
            << c.name;
    }
}

}  // namespace
}  // namespace tilora
