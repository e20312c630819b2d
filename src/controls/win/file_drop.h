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

#include "controls/mirror_subscription.h"
#include "controls/win/model_view.h"
#include "platform/win/control_subclass.h"

namespace nuvopick::win {

// What a drop hands on: every dropped name as a full path, in the shell's order.
using TFileDropHandler = std::function<void(const std::vector<std::string>& paths)>;

// Registers Control with the shell for dropped files (Accept) or takes the
// registration back. Nothing is asked of the shell when the window already is
// as wanted.
void RegisterFileDrops(HWND control, bool accept);

// Hooks Control: after its own handling of WM_DROPFILES, the dropped names are
// read, the drop handle is released, and Handler gets the names, for as long as
// the token lives.
[[nodiscard]] TSubclassToken RouteFileDrops(HWND control, TFileDropHandler handler);

// What ties a control's drops to its model; the tie ends with it.
struct TFileDropLink {
  TSubclassToken Route;
  TMirrorSubscription Registration;
};

// Both for a control and its model (a TEditEx or a TListBoxEx): drops reach
// Model.DropFiles (through Run when given), and the registration follows
// Model.AcceptDragFile now and each time the model mirrors, which also restores
// a registration that the window lost by a change of its extended style.
template <typename Model>
[[nodiscard]] TFileDropLink AttachFileDrop(HWND control, Model& model, TModelRunner run = {}) {
  TFileDropLink link;
  link.Route = RouteFileDrops(control, [&model, run](const std::vector<std::string>& paths) {
    if (run) {
      run([&model, &paths] { model.DropFiles(paths); });
    } else {
      model.DropFiles(paths);
    }
  });
  RegisterFileDrops(control, model.AcceptDragFile);
  link.Registration = model.SubscribeMirror(
      [control, &model] { RegisterFileDrops(control, model.AcceptDragFile); });
  return link;
}

}  // namespace nuvopick::win
