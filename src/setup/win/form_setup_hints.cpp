// The setup window's hints: the control under the pointer is named after the
// model behind it (or by hand, for the few controls without one), and the form's
// show-hint event gives its text.
#include <windows.h>

#include "setup/win/form_setup.h"
#include "setup/win/setup_window_metrics.h"

namespace nuvopick::win {

using namespace setup_window;

void TForm_setup::BuildHints() {
  if (iconPanel_ != nullptr) hintNames_[iconPanel_] = "Image_icon";
  if (panel_ != nullptr) RecordModel(panel_, form_.Panel_aet_noclick);
  if (sampleList_ != nullptr) RecordModel(sampleList_, form_.ListBox_fontandcolor);
  if (tree_ != nullptr) RecordModel(tree_, form_.TV_select);

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
    const bool onPages =
        pointer.x >= kPageLeft - kMargin && pointer.y < kClientHeight - kStripHeight;
    return onPages ? "PageControl_base" : "Form_setup";
  }
  if (const auto named = hintNames_.find(control); named != hintNames_.end()) return named->second;
  if (const auto model = hintModels_.find(control); model != hintModels_.end()) {
    return form_.ComponentName(model->second);
  }
  return {};
}

bool TForm_setup::HintAndLinkMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_SETCURSOR:
      hint_.PointerSeen();
      if (LinkOf(reinterpret_cast<HWND>(wParam)) != nullptr) {
        SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));  // IDC_HAND
        result = TRUE;
        return true;
      }
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
    case WM_CTLCOLORSTATIC:
      if (const TLinkLabel* link = LinkOf(reinterpret_cast<HWND>(lParam))) {
        result = DefaultHandler(message, wParam, lParam);
        SetTextColor(reinterpret_cast<HDC>(wParam), ToColorRef(link->FontColor()));
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace nuvopick::win
