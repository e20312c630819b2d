// The gate window: a borderless, topmost list at the pointer. It turns the list's
// messages into calls of the gate session and carries out what the session asks.
#pragma once

#include <memory>
#include <string>

#include "controls/win/gate_list_view.h"
#include "gate/gate_session.h"
#include "gate/gate_view.h"
#include "gate/win/row_icon_fetcher.h"
#include "platform/win/form.h"
#include "platform/win/gdi_owners.h"
#include "platform/win/win_file_system.h"
#include "platform/win/win_gather_mark.h"
#include "platform/win/win_registry_hive.h"
#include "platform/win/win_services.h"
#include "skin/win/skinned_gate.h"

namespace nuvopick::win {

class TForm_main : public TForm, private IGateView {
 public:
  // Sound, when given, stands for the system's sounds (the window does not own it).
  // FirstArgument: the program's first argument, from the wide command line.
  TForm_main(std::string exePath, std::u16string firstArgument, ISound* sound = nullptr);

  bool Create();

 protected:
  void FormCreate() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // IGateView
  void ApplyListAppearance(const TListAppearance& appearance) override;
  void SetRows(const std::vector<std::string>& rows) override;
  std::int32_t SmallIconSize(const TDpiScale& dpi) override;
  void FetchRowIcons(const std::vector<std::string>& programs) override;
  std::int32_t TextWidth(const std::string& text) override;
  std::int32_t RowHeight() override;
  std::optional<TSize> ComposeSkinnedWindow(const std::string& skinPath) override;
  void ShowTopmost(const TRect& bounds) override;
  void StartTimer(std::uint32_t intervalMs) override;
  void SelectRow(int row) override;
  void Close() override;
  void Terminate() override;

  void CreateList(bool ownerDrawn);
  void DoubleClick(int row);
  HICON RowIcon(int row) const;
  void TakeRowIcon(WPARAM row, HICON icon);

  TWinFileSystem files_;
  TWinRegistryHive userHive_{HKEY_CURRENT_USER};
  TWinRegistryHive machineHive_{HKEY_LOCAL_MACHINE};
  TRegistryHives hives_{userHive_, machineHive_};
  TWinShellExecute shell_;
  TWinPointer pointer_;
  TWinClock clock_;
  TWinSound sound_;
  TWinSystemInfo system_;
  TWinGatherMark gather_;
  TGateSession session_;

  TListAppearance appearance_;
  std::vector<std::string> rows_;
  TFont font_;
  std::unique_ptr<TSkinnedGate> skin_;
  // The rows' icons as they arrive, by row; fetched only when the rows show icons.
  std::vector<TIcon> rowIcons_;
  std::unique_ptr<TRowIconFetcher> iconFetcher_;
  // Declared after the skin, so it goes first: its rows draw with the skin.
  std::unique_ptr<TGateListView> list_;
  bool closing_ = false;
};

}  // namespace nuvopick::win
