#include <gtest/gtest.h>

#include "platform/win32/Win32SystemLibraries.h"

namespace tilora::win32 {
namespace {

TEST(Win32SystemLibraries, ResolvesTheProcessAndPowerEntryPointsAndReleasesThem) {
    Win32SystemLibraries libraries;
    ASSERT_TRUE(libraries.Load(L"PSAPI.DLL"));
    EXPECT_TRUE(libraries.ResolveEntryPoint(L"PSAPI.DLL", "EnumProcessModules"));
    EXPECT_TRUE(libraries.ResolveEntryPoint(L"PSAPI.DLL", "GetModuleBaseNameW"));
    EXPECT_NE(libraries.EntryPoint(L"PSAPI.DLL", "GetModuleBaseNameW"), nullptr);
    EXPECT_FALSE(libraries.ResolveEntryPoint(L"PSAPI.DLL", "NoSuchEntryPoint"));

    ASSERT_TRUE(libraries.Load(L"powrprof.dll"));
    EXPECT_TRUE(libraries.ResolveEntryPoint(L"powrprof.dll", "SetSuspendState"));

    libraries.Release(L"PSAPI.DLL");
    EXPECT_EQ(libraries.EntryPoint(L"PSAPI.DLL", "GetModuleBaseNameW"), nullptr);
    EXPECT_FALSE(libraries.ResolveEntryPoint(L"PSAPI.DLL", "EnumProcessModules"));
}

TEST(Win32SystemLibraries, AMissingLibraryIsNotLoaded) {
    Win32SystemLibraries libraries;
    EXPECT_FALSE(libraries.Load(L"no-such-library-tilora.dll"));
    EXPECT_FALSE(libraries.ResolveEntryPoint(L"no-such-library-tilora.dll", "Anything"));
    libraries.Release(L"no-such-library-tilora.dll");
}

}  // namespace
}  // namespace tilora::win32
