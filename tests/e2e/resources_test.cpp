// What spoolcat.exe carries besides its code, read as the shell and other
// programs read it: the version information of the file's properties, the
// icon of the file and the manifest Windows reads when it starts it; and the
// help document built beside it.
#include <cstdio>

#include "fixture.h"
// After <windows.h>, which fixture.h brings.
#include <shellapi.h>

namespace e2e {
namespace {

// The version resource of a file, read from outside with the version API.
class VersionInfo {
 public:
  explicit VersionInfo(const std::string& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return;
    data_.resize(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data_.data())) data_.clear();
  }

  bool present() const { return !data_.empty(); }

  // "a.b.c.d" from the numeric file or product version.
  std::string fixedVersion(bool product) const {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!query("\\", reinterpret_cast<void**>(&fixed), &length) || length < sizeof *fixed)
      return "";
    const DWORD ms = product ? fixed->dwProductVersionMS : fixed->dwFileVersionMS;
    const DWORD ls = product ? fixed->dwProductVersionLS : fixed->dwFileVersionLS;
    char text[64];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", unsigned{HIWORD(ms)}, unsigned{LOWORD(ms)},
                  unsigned{HIWORD(ls)}, unsigned{LOWORD(ls)});
    return text;
  }

  // A string of the block that the file's first translation names, as
  // Explorer's properties page looks it up.
  std::string text(const std::string& name) const {
    struct Translation {
      WORD language;
      WORD codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (!query("\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof *translation)
      return "";
    char block[64];
    std::snprintf(block, sizeof block, "\\StringFileInfo\\%04x%04x\\", translation->language,
                  translation->codePage);
    char* value = nullptr;
    if (!query(block + name, reinterpret_cast<void**>(&value), &length) || length == 0) return "";
    return std::string(value, strnlen(value, length));
  }

 private:
  bool query(const std::string& path, void** value, UINT* length) const {
    return VerQueryValueA(data_.data(), path.c_str(), value, length) && *value != nullptr;
  }

  std::vector<char> data_;
};

using Resources = SpoolcatE2e;

TEST_F(Resources, TheFilesPropertiesShowTheWindowsVersionAndTheMaker) {
  StartSpoolcat();
  const std::string shown = Text(Control(main_, kVersion));
  ASSERT_EQ(shown.rfind("Version ", 0), 0u) << shown;
  const std::string version = shown.substr(8);
  EXPECT_EQ(version, "1.3.0.2");

  const VersionInfo info(install_->file("spoolcat.exe"));
  ASSERT_TRUE(info.present()) << "spoolcat.exe has no version resource";
  EXPECT_EQ(info.fixedVersion(false), version);
  EXPECT_EQ(info.fixedVersion(true), version);
  EXPECT_EQ(info.text("FileVersion"), version);
  EXPECT_EQ(info.text("ProductVersion"), version);
  EXPECT_EQ(info.text("CompanyName"), "Venmora Inc.");
  EXPECT_EQ(info.text("ProductName"), "Spoolcat");
  EXPECT_EQ(info.text("OriginalFilename"), "spoolcat.exe");
  EXPECT_NE(info.text("FileDescription"), "");
  EXPECT_NE(info.text("LegalCopyright"), "");
}

// The sizes of the images in an executable's first icon, from its group
// directory as the resource holds it; empty when there is no icon.
std::vector<int> IconSizes(const std::string& exe) {
#pragma pack(push, 2)
  struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitsPerPixel;
    DWORD bytes;
    WORD id;
  };
  struct GroupHeader {
    WORD reserved, type, count;
  };
#pragma pack(pop)
  std::vector<int> sizes;
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return sizes;
  if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14))) {
    const DWORD size = SizeofResource(module, found);
    const auto* header = static_cast<const GroupHeader*>(LockResource(LoadResource(module, found)));
    if (header != nullptr && size >= sizeof *header &&
        size >= sizeof *header + header->count * sizeof(GroupEntry)) {
      const auto* entries = reinterpret_cast<const GroupEntry*>(header + 1);
      for (WORD i = 0; i < header->count; ++i) sizes.push_back(entries[i].width);
    }
  }
  FreeLibrary(module);
  return sizes;
}

// Wine answers no WM_GETICON from another process and reads no other
// process's class icons, so the windows' icons are checked in process, by
// tests/win32.
TEST_F(Resources, TheFileCarriesTheProgramsIconAtThreeSizes) {
  const std::string exe = install_->file("spoolcat.exe");
  EXPECT_EQ(ExtractIconExA(exe.c_str(), -1, nullptr, nullptr, 0), 1u)
      << "spoolcat.exe should carry exactly one icon";
  EXPECT_EQ(IconSizes(exe), (std::vector<int>{16, 32, 48}));
}

// The text of the manifest Windows reads at start (ID 1, RT_MANIFEST).
std::string Manifest(const std::string& exe) {
  std::string text;
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return text;
  if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
    const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    if (data != nullptr) text.assign(data, SizeofResource(module, found));
  }
  FreeLibrary(module);
  return text;
}

TEST_F(Resources, TheManifestRunsAsInvokerUnawareOfDpiOnEveryWindowsSinceVista) {
  const std::string manifest = Manifest(install_->file("spoolcat.exe"));
  ASSERT_NE(manifest, "") << "spoolcat.exe has no manifest";
  const auto count = [&](const std::string& part) {
    int n = 0;
    for (auto at = manifest.find(part); at != std::string::npos; at = manifest.find(part, at + 1))
      ++n;
    return n;
  };
  EXPECT_EQ(count(R"(level="asInvoker")"), 1);
  EXPECT_EQ(count(">false</dpiAware>"), 1);
  EXPECT_EQ(count(">true</gdiScaling>"), 1);
  EXPECT_EQ(count("<supportedOS "), 5) << "Vista, 7, 8, 8.1, 10/11";
  EXPECT_EQ(count(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"), 1);
}

TEST_F(Resources, TheBuiltHelpDocumentBesideTheProgramShowsHelp) {
  ASSERT_FALSE(Built::help().empty()) << "the build makes no help document";
  ASSERT_GT(FileSize(Built::help()), 0u) << Built::help();
  install_->Add(Built::help(), "spoolcat.chm");
  StartSpoolcat();

  EXPECT_TRUE(Visible(main_, kHelp));
  EXPECT_EQ(Text(Control(main_, kHelp)), "Help");
}

}  // namespace
}  // namespace e2e
