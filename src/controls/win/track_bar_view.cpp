#include "controls/win/track_bar_view.h"

#include <commctrl.h>

namespace nuvopick::win {

TTrackBarView::TTrackBarView(TTrackBar& model, int frequency, const TPlacement& place,
                             TModelRunner run)
    : TModelView(&model, std::move(run)), bar_(model) {
  CreateControl(TRACKBAR_CLASSA, "", TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | WS_TABSTOP, 0, place);
  SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, model.Min());
  SendMessageA(Handle(), TBM_SETRANGEMAX, FALSE, model.Max());
  SendMessageA(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency), 0);
  SendMessageA(Handle(), TBM_SETLINESIZE, 0, 5);
  SendMessageA(Handle(), TBM_SETPAGESIZE, 0, static_cast<LPARAM>(frequency));
  SendMessageA(Handle(), TBM_SETPOS, TRUE, model.Position());
  Watch([this] {
    if (SendMessageA(Handle(), TBM_GETPOS, 0, 0) != bar_.Position()) {
      SendMessageA(Handle(), TBM_SETPOS, TRUE, bar_.Position());
    }
    EnableWindow(Handle(), bar_.Enabled());
  });
}

bool TTrackBarView::Reflected(UINT message, WPARAM, LPARAM, LRESULT& result) {
  if (message != WM_HSCROLL) return false;
  const auto position = static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
  Run([this, position] { bar_.SetPosition(position); });
  result = 0;
  return true;
}

}  // namespace nuvopick::win
