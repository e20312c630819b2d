#include "window_driving.h"

#include <cctype>

#include "resource_ids.h"

namespace nuvopick::testing {
namespace {

struct TChildSearch {
  const char* className;
  std::string text;
  bool visibleOnly = false;
  HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<TChildSearch*>(param);
  char className[64] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, search->className) == 0 && WindowText(child) == search->text &&
      (!search->visibleOnly || IsWindowVisible(child))) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND Child(HWND window, const char* className, const std::string& text, bool visibleOnly) {
  TChildSearch search{className, text, visibleOnly};
  EnumChildWindows(window, &MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HTREEITEM> TreeNodes(HWND tree) {
  std::vector<HTREEITEM> nodes;
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  while (item != nullptr) {
    nodes.push_back(item);
    item = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item)));
  }
  return nodes;
}

HWND WaitForWindow(TProcess& process, const char* className, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    for (HWND window : process.Windows(className)) {
      if (IsWindowVisible(window)) return window;
    }
    Sleep(30);
  } while (GetTickCount() - start < milliseconds);
  return nullptr;
}

std::string BoxText(HWND box) {
  std::string text;
  for (HWND label : VisibleChildren(box, "Static")) text += WindowText(label);
  return text;
}

bool WaitForEnabled(HWND window, bool enabled, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while ((IsWindowEnabled(window) != FALSE) != enabled) {
    if (GetTickCount() - start > milliseconds) return false;
    Sleep(20);
  }
  return true;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

std::string ListRow(HWND list, int index) {
  const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return "<none>";
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
  // The length may be counted in bytes of the list's own code page.
  wide.resize(wcslen(wide.c_str()));
  std::string text(wide.size() * 2 + 1, '\0');
  text.resize(static_cast<std::size_t>(
      WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                          static_cast<int>(text.size()), nullptr, nullptr)));
  return text;
}

std::string WaitForText(const std::function<std::string()>& read, const std::string& text) {
  const DWORD start = GetTickCount();
  std::string now = read();
  while (now != text && GetTickCount() - start < kWaitLimit) {
    Sleep(20);
    now = read();
  }
  return now;
}

std::string WaitForRow(HWND list, int index, const std::string& text) {
  return WaitForText([list, index] { return ListRow(list, index); }, text);
}

std::string EditText(HWND edit) {
  wchar_t wide[1024] = {};
  SendMessageW(edit, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide));
  char text[2048] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  return text;
}

void ShowSetupPage(HWND setup, int page) {
  HWND tree = GetDlgItem(setup, IDC_TV_SELECT);
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET,
               reinterpret_cast<LPARAM>(TreeNodes(tree)[static_cast<std::size_t>(page)]));
}

HWND OpenIconPicker(TProcess& process, HWND setup) {
  HWND iconPanel = GetDlgItem(setup, IDC_IMAGE_ICON);
  if (iconPanel == nullptr) return nullptr;
  PostMessageA(iconPanel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  PostMessageA(iconPanel, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  return process.WaitForVisibleWindow("TForm_icondlg", kWaitLimit);
}

void PostDoubleClick(HWND window, UINT down, UINT doubleClick, UINT up, LPARAM at) {
  for (UINT message : {down, up, doubleClick, up}) PostMessageA(window, message, 0, at);
}

HWND FindVisibleGate() {
  for (HWND window = FindWindowExA(nullptr, nullptr, "TForm_main", nullptr); window != nullptr;
       window = FindWindowExA(nullptr, window, "TForm_main", nullptr)) {
    if (IsWindowVisible(window)) return window;
  }
  return nullptr;
}

HWND WaitForGate(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    HWND gate = FindVisibleGate();
    if (gate != nullptr && GetForegroundWindow() == gate) return gate;
    Sleep(20);
  } while (GetTickCount() - start < milliseconds);
  return FindVisibleGate();
}

void PressKey(WORD key, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}

void TypeKey(WORD key, std::initializer_list<WORD> modifiers) {
  for (WORD modifier : modifiers) PressKey(modifier, true);
  PressKey(key, true);
  PressKey(key, false);
  for (WORD modifier : modifiers) PressKey(modifier, false);
}

void MovePointer(POINT to) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(to.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(to.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

void Click(POINT at, DWORD down, DWORD up, int times) {
  SetCursorPos(at.x, at.y);
  const LONG x = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  const LONG y = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  for (int i = 0; i < times; ++i) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
      input.type = INPUT_MOUSE;
      input.mi.dx = x;
      input.mi.dy = y;
    }
    inputs[0].mi.dwFlags = down | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = up | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(2, inputs, sizeof(INPUT));
  }
}

DWORD WaitForGateEnd(HWND gate) {
  DWORD id = 0;
  GetWindowThreadProcessId(gate, &id);
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, id);
  if (process == nullptr) return 0;  // already gone
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process, kWaitLimit) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return code;
}

std::vector<HWND> VisibleChildren(HWND window, const char* className) {
  std::vector<HWND> found;
  HWND child = nullptr;
  while ((child = FindWindowExA(window, child, className, nullptr)) != nullptr) {
    if (IsWindowVisible(child)) found.push_back(child);
  }
  return found;
}

std::vector<std::string> ListRows(HWND list) {
  std::vector<std::string> rows;
  const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) rows.push_back(ListRow(list, i));
  return rows;
}

void ClickOn(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  Click({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, MOUSEEVENTF_LEFTDOWN,
        MOUSEEVENTF_LEFTUP);
}

// The answer is written into memory of the tooltip's process, so the request
// is put there too.
std::u16string TooltipWideText(HWND tip, HWND toolOwner, HWND tool) {
  DWORD id = 0;
  GetWindowThreadProcessId(tip, &id);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
  if (process == nullptr) return u"<no access>";
  struct TRemote {
    TTTOOLINFOW info;
    wchar_t text[1024];
  };
  auto* remote = static_cast<TRemote*>(
      VirtualAllocEx(process, nullptr, sizeof(TRemote), MEM_COMMIT, PAGE_READWRITE));
  TRemote local{};
  local.info.cbSize = sizeof local.info;
  local.info.hwnd = toolOwner;
  local.info.uId = reinterpret_cast<UINT_PTR>(tool);
  local.info.lpszText = remote->text;
  WriteProcessMemory(process, remote, &local, sizeof local, nullptr);
  SendMessageW(tip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&remote->info));
  ReadProcessMemory(process, remote->text, local.text, sizeof local.text, nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  local.text[1023] = L'\0';
  return reinterpret_cast<const char16_t*>(local.text);
}

std::string TooltipText(HWND tip, HWND toolOwner, HWND tool) {
  const std::u16string wide = TooltipWideText(tip, toolOwner, tool);
  char text[2048] = {};
  WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(wide.c_str()), -1, text,
                      sizeof text, nullptr, nullptr);
  return text;
}

HWND VisibleTooltipOf(HWND window) {
  DWORD windowProcess = 0;
  GetWindowThreadProcessId(window, &windowProcess);
  for (HWND tip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tip != nullptr;
       tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(tip, &owner);
    if (owner == windowProcess && IsWindowVisible(tip)) return tip;
  }
  return nullptr;
}

std::string WaitForTooltip(HWND toolOwner, HWND tool, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    if (HWND tip = VisibleTooltipOf(toolOwner)) return TooltipText(tip, toolOwner, tool);
    Sleep(50);
  } while (GetTickCount() - start < milliseconds);
  return std::string();
}

std::u16string WaitForWideTooltip(HWND toolOwner, HWND tool, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    if (HWND tip = VisibleTooltipOf(toolOwner)) return TooltipWideText(tip, toolOwner, tool);
    Sleep(50);
  } while (GetTickCount() - start < milliseconds);
  return std::u16string();
}

}  // namespace nuvopick::testing
