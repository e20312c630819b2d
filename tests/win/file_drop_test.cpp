// Files dropped from the shell on a real edit box and list box: the shell's
// registration follows the model's switch, and the names of a drop reach the
// model in order.
#include "controls/win/file_drop.h"

#include <windows.h>

#include <shlobj.h>

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

#include "controls/edit_ex.h"
#include "controls/list_box_ex.h"

namespace nuvopick::win {
namespace {

// A drop as the shell hands it over: a DROPFILES block in moveable memory with
// ANSI names, each ended by a NUL and the list by one more.
HDROP MakeDrop(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += name + '\0';
  list += '\0';
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
  auto* block = static_cast<DROPFILES*>(GlobalLock(memory));
  block->pFiles = sizeof(DROPFILES);
  block->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(block) + sizeof(DROPFILES), list.data(), list.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// The same with UTF-16 names, as the shell hands over names that the ANSI code
// page cannot hold.
HDROP MakeWideDrop(const std::vector<std::u16string>& names) {
  std::u16string list;
  for (const std::u16string& name : names) list += name + u'\0';
  list += u'\0';
  const std::size_t bytes = list.size() * sizeof(char16_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes);
  auto* block = static_cast<DROPFILES*>(GlobalLock(memory));
  block->pFiles = sizeof(DROPFILES);
  block->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(block) + sizeof(DROPFILES), list.data(), bytes);
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// Answers the first message box of this thread's that comes up within the time
// with OK, and gives its text; empty when none came.
std::string AnswerMessageBox(DWORD threadId, DWORD milliseconds) {
  struct TFound {
    HWND box = nullptr;
  } found;
  const DWORD start = GetTickCount();
  while (found.box == nullptr && GetTickCount() - start < milliseconds) {
    EnumThreadWindows(
        threadId,
        [](HWND window, LPARAM data) -> BOOL {
          char name[16] = {};
          GetClassNameA(window, name, sizeof name);
          if (std::strcmp(name, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
          reinterpret_cast<TFound*>(data)->box = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (found.box == nullptr) Sleep(20);
  }
  if (found.box == nullptr) return {};
  char text[1024] = {};
  GetDlgItemTextA(found.box, 0xFFFF, text, sizeof text);
  PostMessageA(found.box, WM_COMMAND, IDOK, 0);
  return text;
}

bool Registered(HWND window) {
  return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
}

// Any change of the model makes it mirror.
void Touch(TControlModel& model) {
  model.SetEnabled(!model.Enabled());
  model.SetEnabled(!model.Enabled());
}

template <typename Model, const char* ClassName>
struct TControl {
  using TModel = Model;
  static constexpr const char* kClassName = ClassName;
};
constexpr char kEdit[] = "EDIT";
constexpr char kListBox[] = "LISTBOX";

template <typename Control>
class FileDropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = CreateWindowExA(0, Control::kClassName, "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    model.OnDropFiles = [this](const std::vector<std::string>& paths) { dropped.push_back(paths); };
    view = model.SubscribeMirror([this] { ++mirrors; });
  }
  void TearDown() override { DestroyWindow(window); }

  // Sends the drop and tells whether the control released its handle.
  bool DropReleased(const std::vector<std::string>& names) {
    HDROP drop = MakeDrop(names);
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    return GlobalSize(drop) == 0;
  }

  HWND window = nullptr;
  typename Control::TModel model;
  std::vector<std::vector<std::string>> dropped;
  int mirrors = 0;
  TMirrorSubscription view;
};

using Controls = ::testing::Types<TControl<TEditEx, kEdit>, TControl<TListBoxEx, kListBox>>;
TYPED_TEST_SUITE(FileDropTest, Controls);

TYPED_TEST(FileDropTest, AcceptingControlHandsEveryNameToTheModelInOrder) {
  const std::vector<std::string> names = {"C:\\表\\a.txt", "C:\\b c\\d.exe", "D:\\e"};
  this->model.AcceptDragFile = true;
  int runs = 0;
  const TFileDropLink drops =
      AttachFileDrop(this->window, this->model, [&](const std::function<void()>& call) {
        ++runs;
        call();
      });
  EXPECT_TRUE(Registered(this->window));

  EXPECT_TRUE(this->DropReleased(names));
  EXPECT_EQ(this->dropped, (std::vector<std::vector<std::string>>{names}));
  EXPECT_EQ(runs, 1);

  // The control is an ordinary one besides: its own handling still runs.
  SendMessageA(this->window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
  char text[8] = {};
  GetWindowTextA(this->window, text, sizeof text);
  EXPECT_STREQ(text, "x");
}

TYPED_TEST(FileDropTest, ANameTheCodePageCannotHoldIsRefusedNotAltered) {
  this->model.AcceptDragFile = true;
  const TFileDropLink drops = AttachFileDrop(this->window, this->model);
  std::string warning;
  std::thread answer(
      [&warning, thread = GetCurrentThreadId()] { warning = AnswerMessageBox(thread, 10000); });
  HDROP drop = MakeWideDrop({u"C:\\np\\表 dir\\\u00E9\uD55C\u00FC 1.nvq", u"C:\\表\\a.txt"});
  SendMessageA(this->window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  answer.join();
  EXPECT_EQ(this->dropped, (std::vector<std::vector<std::string>>{{"C:\\表\\a.txt"}}));
  EXPECT_NE(warning.find("C:\\np\\表 dir\\[U+00E9][U+D55C][U+00FC] 1.nvq"), std::string::npos)
      << warning;
}

TYPED_TEST(FileDropTest, RefusingControlIsNotRegisteredAndRaisesNothing) {
  const TFileDropLink drops = AttachFileDrop(this->window, this->model);
  EXPECT_FALSE(Registered(this->window));

  EXPECT_TRUE(this->DropReleased({"C:\\表\\a.txt"}));
  EXPECT_TRUE(this->dropped.empty());
}

TYPED_TEST(FileDropTest, RegistrationFollowsTheSwitchWheneverTheModelMirrors) {
  const TFileDropLink drops = AttachFileDrop(this->window, this->model);
  const int mirrorsBefore = this->mirrors;

  this->model.AcceptDragFile = true;
  Touch(this->model);
  EXPECT_TRUE(Registered(this->window));
  // The view's own mirroring keeps running.
  EXPECT_EQ(this->mirrors, mirrorsBefore + 2);

  // A window whose extended style was set anew has lost the registration; the
  // next mirror gives it back.
  SetWindowLongA(this->window, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
  ASSERT_FALSE(Registered(this->window));
  Touch(this->model);
  EXPECT_TRUE(Registered(this->window));
  this->DropReleased({"C:\\x"});
  EXPECT_EQ(this->dropped.size(), 1U);

  this->model.AcceptDragFile = false;
  Touch(this->model);
  EXPECT_FALSE(Registered(this->window));
}

}  // namespace
}  // namespace nuvopick::win
