// The icon picker's window: mirrors the picker's models onto its controls, draws
// the icons of the chosen file in a grid of 48 x 48 cells (at 96 DPI; the window
// scales by the DPI of its screen) and hands the answer to the setup window with
// WM_ICONDLGCLOSED. Created hidden in setup mode; closing only hides it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/win/button_views.h"
#include "controls/win/edit_views.h"
#include "controls/win/text_views.h"
#include "iconpick/icon_picker.h"
#include "iconpick/icon_picker_layout.h"
#include "platform/dpi_scale.h"
#include "platform/win/form.h"
#include "platform/win/gdi_owners.h"
#include "platform/win/win_file_system.h"

namespace nuvopick::win {

class TForm_icondlg : public TForm, private IIconPickerView {
 public:
  // OwnExePath is the file whose icon 1 stands in for a missing icon file;
  // empty means the running program.
  explicit TForm_icondlg(std::string ownExePath = {});
  ~TForm_icondlg() override;

  bool Create();

  // Opens the picker on IconIndex of IconFile for the extension at ExtIndex;
  // the answer goes to Notify, which the caller has disabled.
  void ShowIconPicker(int extIndex, const std::string& iconFile, HWND notify, int iconIndex);

  TIconPicker& Picker() { return picker_; }
  HWND Grid() const;

 protected:
  void FormCreate() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  class TIconGrid;

  // IIconPickerView
  int LoadIcons(const std::string& file) override;
  void ClearIcons() override;
  void RepaintGrid() override;
  std::optional<std::string> ChooseIconFile(const std::string& folder) override;
  void ShowCentred() override;
  void SendClosed(std::uintptr_t window, const TIconDialogCloseRecord& record) override;
  void Hide() override;

  TPlacement At(int id, const TRect& bounds) const;
  // Shows a control's view and keeps it.
  void Add(std::unique_ptr<TModelView> view);
  // The window's client area and outer size at Dpi, and its controls' places in it.
  TSize ScaledClientSize(const TDpiScale& dpi) const;
  SIZE WindowSizeAt(const TDpiScale& dpi) const;
  TIconPickerLayout Layout() const;
  // The controls' font at the window's DPI.
  HFONT Font() const;
  void ChangeDpi(const TDpiScale& dpi, const RECT& suggested);
  // The id of the button that Enter presses.
  int EnterButton() const;

  TWinFileSystem files_;
  TIconPicker picker_;
  TDpiScale dpi_;
  // The system's own font for dialogs, made anew only for a DPI other than the system's.
  TFont font_;
  // The icons of the file shown: the icon at position i is its icon i.
  std::vector<TIcon> iconList_;
  std::unique_ptr<TIconGrid> grid_;
  std::vector<std::unique_ptr<TModelView>> views_;
  // The control that gets the keyboard when the window is activated.
  HWND focus_ = nullptr;
};

}  // namespace nuvopick::win
