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
};

}  // namespace nuvopick::win
