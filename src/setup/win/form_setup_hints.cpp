// The setup window's hints: the control under the pointer is named after the
// model behind its view (or by the view's name, for the few controls without
// one), and the form's show-hint event gives its text.
#include <windows.h>

#include "setup/setup_layout.h"
#include "setup/win/form_setup.h"
#include "setup/win/setup_window_metrics.h"

namespace nuvopick::win {

using namespace setup_window;

void TForm_setup::BuildHints() {
  hint_.Create(Handle(), [this](HWND control) {
    THintInfo info;
    info.HintControl = HintControlName(control);
    // No control carries a hint text of its own.
    std::string text;
    bool canShow = true;
    form_.ApplicationEventsShowHint(text, canShow, info);
    return TPointerHint::TText{canShow ? text : std::string(), info.HideTimeout};
  });
}

std::string TForm_setup::HintControlName(HWND control) const {
  if (control == Handle()) {
    // Bare window between the controls: the pages' area is the page control.
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(Handle(), &pointer);
    const TPoint at = UnscaledPoint({pointer.x, pointer.y}, dpi_);
    const bool onPages = at.X >= kPageLeft - kMargin && at.Y < kClientHeight - kStripHeight;
    return onPages ? "PageControl_base" : "Form_setup";
  }
  const auto* view = dynamic_cast<const TModelView*>(TControlView::Of(control));
  return view != nullptr ? ViewName(*view) : std::string();
}

std::string TForm_setup::ViewName(const TModelView& view) const {
  if (!view.Name().empty()) return view.Name();
  return view.Model() != nullptr ? form_.ComponentName(view.Model()) : std::string();
}

bool TForm_setup::HintMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_SETCURSOR:
      hint_.PointerSeen();
      return false;
    case WM_TIMER:
      result = 0;
      return hint_.TimerFired(wParam);
    case WM_PARENTNOTIFY:
      // A click on a control takes its hint away.
      switch (LOWORD(wParam)) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
          hint_.Cancel();
          break;
        default:
          break;
      }
      return false;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      hint_.Cancel();
      return false;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) hint_.Cancel();
      return false;
    default:
      return false;
  }
}

}  // namespace nuvopick::win
