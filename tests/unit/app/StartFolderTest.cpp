#include <gtest/gtest.h>

#include "app/StartFolder.h"

namespace tilora {
namespace {

TEST(StartFolder, ObjectNamesAreTheSameForOneFolderAndFitTheSystemsLimit) {
    const std::wstring folder = L"C:\\USERS\\ME\\TILORA";
    const std::wstring deep = L"C:" + std::wstring(32000, L'\\');
    EXPECT_EQ(FolderObjectName(L"Folder", folder), FolderObjectName(L"Folder", folder));
    EXPECT_NE(FolderObjectName(L"Folder", folder), FolderObjectName(L"Dialog", folder));
    // Folders that differ only before the readable end differ too.
    EXPECT_NE(FolderObjectName(L"Folder", folder),
              FolderObjectName(L"Folder", L"D:\\USERS\\ME\\TILORA"));
    EXPECT_NE(FolderObjectName(L"Folder", deep), FolderObjectName(L"Folder", L"D" + deep));
    for (const std::wstring& key : {folder, deep}) {
        const std::wstring name = FolderObjectName(L"Folder", key);
        EXPECT_LE(name.size(), 260u);
        EXPECT_EQ(name.find(L'\\', std::wstring(L"Local\\").size()), std::wstring::npos);
    }
}

}  // namespace
}  // namespace tilora
