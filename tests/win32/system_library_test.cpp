// Libraries come from the system folder, never from the program's own
// folder: sc_planted.dll stands beside this test program for one put there.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/win32_function_lookup.h"
#include "platform/win32/win32_library_search.h"

namespace sc::win32 {
namespace {

constexpr wchar_t kPlanted[] = L"sc_planted.dll";
// Spelled out: LoadLibraryEx's flag for the program's own folder alone.
constexpr DWORD kSearchProgramFolderOnly = 0x00000200;  // LOAD_LIBRARY_SEARCH_APPLICATION_DIR

std::wstring FolderOf(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  const std::wstring file(path, length);
  return file.substr(0, file.find_last_of(L'\\'));
}

std::wstring SystemFolder() {
  wchar_t path[MAX_PATH] = {};
  return std::wstring(path, GetSystemDirectoryW(path, MAX_PATH));
}

TEST(SystemLibrary, LoadsFromTheSystemFolder) {
  for (const wchar_t* name : {L"dwmapi.dll", L"ole32.dll"}) {
    const HMODULE library = SystemLibrary(name);
    ASSERT_NE(library, nullptr) << name;
    EXPECT_EQ(lstrcmpiW(FolderOf(library).c_str(), SystemFolder().c_str()), 0) << name;
  }
}

TEST(SystemLibrary, NeverLooksInTheProgramsFolder) {
  EXPECT_EQ(SystemLibrary(kPlanted), nullptr);
  // It is there to be found: only the system folder was looked in.
  EXPECT_NE(LoadLibraryExW(kPlanted, nullptr, kSearchProgramFolderOnly), nullptr);
}

TEST(LibrarySearch, LeavesTheProgramsFolderOutWhereTheSystemCan) {
  KeepLibrarySearchInSystemFolder();
  const bool canLeaveItOut = SearchFlagsWork();
  EXPECT_EQ(LoadLibraryW(kPlanted) == nullptr, canLeaveItOut);
  // What Windows' own libraries load by name alone is still found.
  const HMODULE themes = LoadLibraryW(L"uxtheme.dll");
  ASSERT_NE(themes, nullptr);
  EXPECT_EQ(lstrcmpiW(FolderOf(themes).c_str(), SystemFolder().c_str()), 0);
}

}  // namespace
}  // namespace sc::win32
