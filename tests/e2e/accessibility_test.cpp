// What a screen reader hears: each control read from this process through
// oleacc, as assistive programs read it. The controls are the system's own
// classes, so the names, roles and states come from oleacc's standard
// proxies, which read the window from outside.
//
// Wine's oleacc gives every such control its generic client object: the name
// (the window text), and the unavailable, invisible, focusable and focused
// states, but the role ROLE_SYSTEM_CLIENT and no checked state. Under Wine a
// control answering ROLE_SYSTEM_CLIENT is therefore taken for that generic
// object, and only its name and those states are checked; where oleacc knows
// the control's kind, the role and the checked state must be right.
#include <oleacc.h>

#include <cstdio>
#include <optional>

#include "desktop_fixture.h"

namespace e2e {
namespace {

constexpr DWORD kReady = 15000;

bool UnderWine() {
  return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// One control as oleacc presents it.
struct Heard {
  std::optional<std::string> name;  // none: no name
  long role = -1;
  long state = -1;
};

std::string Narrow(BSTR text) {
  std::string narrow;
  for (UINT i = 0; i < SysStringLen(text); ++i) narrow += static_cast<char>(text[i]);
  return narrow;
}

Heard Hear(HWND control) {
  Heard heard;
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_IAccessible,
                                        reinterpret_cast<void**>(&accessible))) ||
      accessible == nullptr) {
    return heard;
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  if (accessible->get_accName(self, &name) == S_OK && name != nullptr) heard.name = Narrow(name);
  SysFreeString(name);
  VARIANT value;
  VariantInit(&value);
  if (SUCCEEDED(accessible->get_accRole(self, &value)) && value.vt == VT_I4)
    heard.role = value.lVal;
  VariantClear(&value);
  if (SUCCEEDED(accessible->get_accState(self, &value)) && value.vt == VT_I4) {
    heard.state = value.lVal;
  }
  VariantClear(&value);
  accessible->Release();
  return heard;
}

class ScreenReader : public DesktopE2e {
 protected:
  void SetUp() override {
    DesktopE2e::SetUp();
    CoInitialize(nullptr);
  }
  void TearDown() override {
    DesktopE2e::TearDown();
    CoUninitialize();
  }
};

struct Expected {
  int id;
  long role;
  bool checked;
};

TEST_F(ScreenReader, HearsEveryShownControlByItsTextWithItsRoleAndState) {
  AddManager("discs = 1\n");
  AddPlayer(Player::MediaPlayer, "");
  AddPlayer(Player::ITunes, "");
  StartInFront();
  ASSERT_TRUE(WaitForStatus("Ready", kReady)) << Status();
  Click(main_, kFirstPlayerItem + 1);
  ASSERT_TRUE(WaitUntil([&] { return Visible(main_, kRipUnidentified); }, 5000));
  SetOption(kRejectUnidentified, false);
  // A click leaves the focus on what was clicked; Tab on to "Ripping".
  for (int presses = 0; presses < 8 && FocusedId(main_) != kRipping; ++presses) Tab();
  ASSERT_EQ(FocusedId(main_), kRipping);

  const Expected shown[] = {
      {kStatus, ROLE_SYSTEM_STATICTEXT, false},
      {kRipping, ROLE_SYSTEM_PUSHBUTTON, false},
      {kExit, ROLE_SYSTEM_PUSHBUTTON, false},
      {kFirstPlayerItem, ROLE_SYSTEM_RADIOBUTTON, false},
      {kFirstPlayerItem + 1, ROLE_SYSTEM_RADIOBUTTON, true},
      {kRipUnidentified, ROLE_SYSTEM_CHECKBUTTON, true},
      {kRejectUnidentified, ROLE_SYSTEM_CHECKBUTTON, false},
      {kReplaceSongs, ROLE_SYSTEM_CHECKBUTTON, true},
      {kVersion, ROLE_SYSTEM_STATICTEXT, false},
      {kCompany, ROLE_SYSTEM_STATICTEXT, false},
  };
  const bool wine = UnderWine();
  for (const Expected& control : shown) {
    SCOPED_TRACE("control " + std::to_string(control.id));
    const HWND hwnd = Control(main_, control.id);
    ASSERT_TRUE(hwnd && IsWindowVisible(hwnd));
    const Heard heard = Hear(hwnd);
    ASSERT_NE(heard.state, -1) << "oleacc has no object for the control";
    EXPECT_EQ(heard.name, Text(hwnd));
    EXPECT_FALSE(heard.state & STATE_SYSTEM_INVISIBLE);
    EXPECT_FALSE(heard.state & STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ((heard.state & STATE_SYSTEM_FOCUSED) != 0, control.id == kRipping);
    if (wine && heard.role == ROLE_SYSTEM_CLIENT) {
      std::printf("control %d: Wine's generic client object, no role or checked state\n",
                  control.id);
      continue;
    }
    EXPECT_EQ(heard.role, control.role);
    EXPECT_EQ((heard.state & STATE_SYSTEM_CHECKED) != 0, control.checked);
  }
  // The status line is read as it changes.
  EXPECT_EQ(Hear(Control(main_, kStatus)).name, std::optional<std::string>("Ready"));

  // What is not shown is not read out, and what is disabled says so.
  for (int hidden : {kHelp, kWriters, kMemo}) {
    EXPECT_TRUE(Hear(Control(main_, hidden)).state & STATE_SYSTEM_INVISIBLE) << hidden;
  }
  Click(main_, kRipping);
  ASSERT_TRUE(WaitUntil([&] { return !Enabled(main_, kExit); }, 5000));
  for (int disabled : {kRipping, kExit, kRipUnidentified}) {
    EXPECT_TRUE(Hear(Control(main_, disabled)).state & STATE_SYSTEM_UNAVAILABLE) << disabled;
  }
}

}  // namespace
}  // namespace e2e
