// A top-level window of the program. Creating it reports it to the application
// (the first form is the main one) and then runs its creation step.
#pragma once

#include "platform/win/window.h"

namespace nuvopick::win {

class TForm : public TWindow {
 public:
  // Creates the window hidden and runs FormCreate.
  bool Create(const TCreateParams& params);

 protected:
  virtual void FormCreate() {}
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // The size of the client area in pixels, whatever the window's frame is.
  void SetClientSize(int width, int height);
  // After a change of DPI (WM_DPICHANGED): the window goes where the system
  // suggests, and its client area is made exactly Width x Height on the frame
  // drawn, which need not be the frame the suggestion counted with.
  void TakeDpiPlace(const RECT& suggested, int width, int height);
};

}  // namespace nuvopick::win
