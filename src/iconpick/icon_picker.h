// The icon picker, free of window code: the file box, the grid of the file's
// icons (six columns), the selected index and the answer that goes back to the
// setup window when the picker closes. The window side extracts and draws the
// icons and carries out what the picker asks of it through IIconPickerView.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "controls/edit_ex.h"
#include "controls/static_controls.h"
#include "model/icon_dialog_close_record.h"
#include "platform/file_system.h"

namespace nuvopick {

inline constexpr char kIconPickerCaption[] = "アイコン設定";
inline constexpr char kInitialIconFile[] = "C:\\winnt\\system32\\shell32.dll";
// The label of a cell that holds no icon.
inline constexpr char kNoIconLabel[] = "-";

inline constexpr int kIconColumns = 6;
inline constexpr int kIconCellSize = 48;

struct TIconCell {
  int Row = 0;
  int Column = 0;
  friend bool operator==(const TIconCell&, const TIconCell&) = default;
};

// The cell of icon Index, and the index a cell stands for.
TIconCell CellOfIconIndex(int index);
int IconIndexOfCell(TIconCell cell);
// The grid's rows for Count icons: enough for all of them, and never none.
int IconRowsFor(int count);
// What the index label shows for Cell when the file has Count icons.
std::string IconIndexLabel(TIconCell cell, int count);

// What the picker asks of its window.
class IIconPickerView {
 public:
  virtual ~IIconPickerView() = default;
  // Replaces the icons held with those of File and returns their number.
  virtual int LoadIcons(const std::string& file) = 0;
  virtual void ClearIcons() = 0;
  // The grid's rows, current cell or icons changed.
  virtual void RepaintGrid() = 0;
  // The open-file dialog starting in Folder; nothing when the user cancels.
  virtual std::optional<std::string> ChooseIconFile(const std::string& folder) = 0;
  virtual void ShowCentred() = 0;
  // Hands the answer to Window (synchronously: the record lives only during the call).
  virtual void SendClosed(std::uintptr_t window, const TIconDialogCloseRecord& record) = 0;
  virtual void Hide() = 0;
};

class TIconPicker {
 public:
  // OwnExePath is the program's executable, whose icon 1 stands in for a missing file.
  TIconPicker(IIconPickerView& view, const IFileSystem& files, std::string ownExePath);
  TIconPicker(const TIconPicker&) = delete;
  TIconPicker& operator=(const TIconPicker&) = delete;

  TEdit Edit_icon;
  TButton Button_fdlg{"..."};
  TCaption Label_iconidx{kNoIconLabel};
  TButton Button_OK{"OK"};
  TButton Button_cancel{"Cancel"};

  // Opens the picker for the extension at ExtIndex of the setup window's list,
  // showing IconIndex of IconFile; the answer goes to NotifyWindow.
  void ShowIconPicker(int extIndex, const std::string& iconFile, std::uintptr_t notifyWindow,
                      int iconIndex);
  void LoadIconFile();

  int IconCount() const { return iconCount_; }
  int RowCount() const { return rowCount_; }
  TIconCell CurrentCell() const { return current_; }
  bool Accepted() const { return accepted_; }

  void Edit_iconChange();
  void Button_fdlgClick();
  void DrawGrid_iconSelectCell(TIconCell cell);
  void DrawGrid_iconDblClick();
  void Button_OKClick();
  void Button_cancelClick();
  // Every closing ends here, the close box included.
  void FormClose();

 private:
  void ShowLabel();

  IIconPickerView& view_;
  const IFileSystem& files_;
  std::string ownExePath_;
  int extIndex_ = 0;
  std::uintptr_t notifyWindow_ = 0;
  bool accepted_ = false;
  int iconCount_ = 0;
  int rowCount_ = 1;
  TIconCell current_;
};

}  // namespace nuvopick
