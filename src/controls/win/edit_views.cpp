#include "controls/win/edit_views.h"

#include <utility>

#include "platform/win/window_text.h"

namespace nuvopick::win {

TEditView::TEditView(TEdit& model, const TPlacement& place, TModelRunner run,
                     std::function<void()> onExit)
    : TModelView(&model, std::move(run)), edit_(model), onExit_(std::move(onExit)) {
  CreateControl("EDIT", model.Text(), ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, place);
  Watch([this] {
    // Only a different text goes in: putting back what was typed would move the caret.
    if (WindowTextOf(Handle()) != edit_.Text()) {
      const bool was = std::exchange(mirroring_, true);
      SetWindowTextA(Handle(), edit_.Text().c_str());
      mirroring_ = was;
    }
    EnableWindow(Handle(), edit_.Enabled());
  });
  drops_ = AttachFileDrop(Handle(), model, Runner());
}

bool TEditView::Reflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_COMMAND) return false;
  const int code = HIWORD(wParam);
  if (code == EN_CHANGE && !mirroring_) {
    Run([this] { edit_.SetText(WindowTextOf(Handle())); });
  } else if (code == EN_KILLFOCUS && onExit_) {
    Run(onExit_);
  }
  result = 0;
  return true;
}

TShortcutBoxView::TShortcutBoxView(TEdit& model, const TPlacement& place, THandlers handlers,
                                   TModelRunner run)
    : TEditView(model, place, std::move(run)), handlers_(std::move(handlers)) {
  SendMessageA(Handle(), EM_SETREADONLY, TRUE, 0);
}

LRESULT TShortcutBoxView::ControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                         const TNextHandler& next) {
  switch (message) {
    case WM_GETDLGCODE: {
      const auto* pending = reinterpret_cast<const MSG*>(lParam);
      if (pending != nullptr && pending->message == WM_KEYDOWN && pending->wParam == VK_TAB) break;
      return DLGC_WANTALLKEYS;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      const auto key = static_cast<unsigned>(wParam);
      Run([this, key] { handlers_.Capture(key); });
      // Alt+F4 and the system menu still reach the window.
      if (message == WM_SYSKEYDOWN) break;
      return 0;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
      return 0;
    case WM_KILLFOCUS:
      Run(handlers_.Finish);
      break;
    default:
      break;
  }
  return next(message, wParam, lParam);
}

}  // namespace nuvopick::win
