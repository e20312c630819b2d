// Finding, reading and driving the windows of the NuvoPick.exe under test from
// outside: child controls, list rows, keys and mouse input, the gate window.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/win/process.h"

namespace nuvopick::testing {

constexpr DWORD kWaitLimit = 15000;

// The child control of Window with the class and text given, or nullptr. An
// edit box of another process keeps its text to itself: it is found by its
// class and an empty text.
HWND Child(HWND window, const char* className, const std::string& text, bool visibleOnly = false);
// The visible children of Window with the class, in the order they were made.
std::vector<HWND> VisibleChildren(HWND window, const char* className);
// The tree's nodes in the order they are shown (all of them are expanded).
std::vector<HTREEITEM> TreeNodes(HWND tree);
// A visible top-level window of the process with the class, once there is one.
HWND WaitForWindow(TProcess& process, const char* className, DWORD milliseconds);
// The texts of a message box's static controls, one after the other.
std::string BoxText(HWND box);
// Polls until the window's enabled state is Enabled.
bool WaitForEnabled(HWND window, bool enabled, DWORD milliseconds);
// The control that has the keyboard in the window's thread.
HWND FocusOf(HWND window);

// The text of row Index of a list box of another process.
std::string ListRow(HWND list, int index);
std::vector<std::string> ListRows(HWND list);
// Polls Read until it gives Text; returns what it read last.
std::string WaitForText(const std::function<std::string()>& read, const std::string& text);
// Polls row Index of List until it reads Text; returns what it read last.
std::string WaitForRow(HWND list, int index, const std::string& text);
// The text of an edit box of another process, which hands it out only on request.
std::string EditText(HWND edit);

void PressKey(WORD key, bool down);
void TypeKey(WORD key, std::initializer_list<WORD> modifiers = {});
// A pointer move as the mouse makes it, so that the window under it hears of it.
void MovePointer(POINT to);
// Button events that carry the position themselves, so that each one lands
// there whatever the pointer did in between.
void Click(POINT at, DWORD down, DWORD up, int times = 1);
// A left click in the middle of a control, as the user gives it.
void ClickOn(HWND control);
// A double click as the mouse sends it: press, release, the second press, release.
void PostDoubleClick(HWND window, UINT down, UINT doubleClick, UINT up, LPARAM at);

// Selects the node of the setup window's tree that shows Page.
void ShowSetupPage(HWND setup, int page);
// Presses and releases the setup window's icon panel, which opens the icon
// picker; the picker once it shows, or nullptr.
HWND OpenIconPicker(TProcess& process, HWND setup);

// The text of the tooltip Tip of another process for the tool Tool of ToolOwner,
// as it is and in the ANSI code page.
std::u16string TooltipWideText(HWND tip, HWND toolOwner, HWND tool);
std::string TooltipText(HWND tip, HWND toolOwner, HWND tool);
// A visible tooltip of the process of Window, or nullptr.
HWND VisibleTooltipOf(HWND window);
// The text of the tooltip for Tool of ToolOwner once one of that process shows;
// empty when none does within the time.
std::string WaitForTooltip(HWND toolOwner, HWND tool, DWORD milliseconds);
std::u16string WaitForWideTooltip(HWND toolOwner, HWND tool, DWORD milliseconds);

HWND FindVisibleGate();
// The gate once it is shown and active, so that keys and activation changes of
// the test reach it in order.
HWND WaitForGate(DWORD milliseconds);
// Waits for the gate process to end; its exit code.
DWORD WaitForGateEnd(HWND gate);

}  // namespace nuvopick::testing
