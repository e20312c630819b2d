// Files dragged from the shell onto a control. The control's window is
// registered with the shell while its model accepts files, and the names of a
// drop go to the model, which decides what becomes of them. The shell's
// functions are looked up on first use, so that the exe does not import shell32.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace nuvopick::win {

// What a drop hands on: every dropped name as a full path, in the shell's order.
using TFileDropHandler = std::function<void(const std::vector<std::string>& paths)>;

// Runs a call into the model, e.g. inside the view's error display.
using TModelRunner = std::function<void(const std::function<void()>& call)>;

// Registers Control with the shell for dropped files (Accept) or takes the
// registration back. Nothing is asked of the shell when the window already is
// as wanted.
void RegisterFileDrops(HWND control, bool accept);

// Subclasses Control: after its own handling of WM_DROPFILES, the dropped names
// are read, the drop handle is released, and Handler gets the names. The
// subclass removes itself when the window is destroyed.
void RouteFileDrops(HWND control, TFileDropHandler handler);

// Both for a control and its model (a TEditEx or a TListBoxEx): drops reach
// Model.DropFiles (through Run when given), and the registration follows
// Model.AcceptDragFile now and each time the model mirrors, which also restores
// a registration that the window lost by a change of its extended style. Attach
// after the view has set the model's own OnMirror, which keeps running first.
template <typename Model>
void AttachFileDrop(HWND control, Model& model, TModelRunner run = {}) {
  RouteFileDrops(control, [&model, run](const std::vector<std::string>& paths) {
    if (run) {
      run([&model, &paths] { model.DropFiles(paths); });
    } else {
      model.DropFiles(paths);
    }
  });
  model.OnMirror = [control, &model, mirror = std::move(model.OnMirror)] {
    if (mirror) mirror();
    RegisterFileDrops(control, model.AcceptDragFile);
  };
  RegisterFileDrops(control, model.AcceptDragFile);
}

}  // namespace nuvopick::win
