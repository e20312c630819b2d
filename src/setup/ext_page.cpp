#include "setup/ext_page.h"

#include <utility>

#include "identity/program_identity.h"
#include "model/swap_contents.h"
#include "shell/registry_association.h"
#include "text/text_helpers.h"

namespace nuvopick {
namespace {

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAscii(std::string text) {
  for (char& c : text) c = LowerAscii(c);
  return text;
}

bool LessIgnoringCase(const TExtInfo& a, const TExtInfo& b) {
  return LowerAscii(a.Name) < LowerAscii(b.Name);
}

// The program cannot stand in for programs themselves.
bool Forbidden(const std::string& name) {
  return name == "exe" || name == "com";
}

}  // namespace

TExtPage::TExtPage(TExtPageContext context) : context_(std::move(context)) {
  ListBoxEx_ext.OnSelChange = [this] { ListBoxEx_extSelChange(); };
  Button_extnew.OnClick = [this] { Button_extnewClick(); };
  Button_extcpy.OnClick = [this] { Button_extcpyClick(); };
  Button_extdel.OnClick = [this] { Button_extdelClick(); };
  Button_extExtra.OnClick = [this] { context_.View.PopupExtExtraMenu(); };
  ExtUpButton.OnClick = [this] { ExtUpButtonClick(); };
  ExtDownButton.OnClick = [this] { ExtDownButtonClick(); };
  PMenu_extextra = {
      {TMenuItemKind::Command, "拡張子名順に並び替え", [this] { PMenu_extextra_sortClick(); }},
      MenuSeparator(),
      {TMenuItemKind::Command, "全ての拡張子を関連付け", [this] { PMenu_extextra_allRClick(); }},
      {TMenuItemKind::Command, "全ての拡張子の右クリックメニューに登録",
       [this] { PMenu_extextra_allMClick(); }},
      MenuSeparator(),
      {TMenuItemKind::Command, "全ての拡張子の関連付けを外す",
       [this] { PMenu_extextra_deallRClick(); }},
      {TMenuItemKind::Command, "全ての拡張子の右クリックメニューから外す",
       [this] { PMenu_extextra_deallMClick(); }},
      MenuSeparator(),
      {TMenuItemKind::Command, "元の関連付け先のアクションを登録",
       [this] { PMenu_extextra_getbeforeregClick(); }},
  };
}

void TExtPage::FillList() {
  const TModelUpdate update(ListBoxEx_ext);
  ListBoxEx_ext.Clear();
  for (int i = 0; i < context_.Session.ExtList().Count(); ++i)
    ListBoxEx_ext.Add(context_.Session.ExtList().Items(i).Name);
}

void TExtPage::ListBoxEx_extSelChange() {
  const int index = ListBoxEx_ext.ItemIndex();
  if (index < 0) return;
  TExtInfo& ext = context_.Session.ExtList().Items(index);
  {
    const TModelUpdate update(ListBoxEx_app);
    ListBoxEx_app.Clear();
    for (int n = 0; n < ext.Apps.Count(); ++n) ListBoxEx_app.Add(ext.Apps.Items(n).Name);
  }
  if (ext.IconPath.empty()) {
    // Shows what the file type has now; not a change of the record.
    TRegistryAssociation(context_.Session.AssociationContext()).ReadIconFromRegistry(ext);
  }
  context_.View.ShowExtIcon(ext.IconPath, ext.IconIndex);
  // An extension without entries selects none, and the entry form keeps what it
  // showed, ready to be added to this extension.
  if (ListBoxEx_app.Count() > 0) ListBoxEx_app.SetItemIndex(0);
}

void TExtPage::Refuse(const char* text) {
  context_.Messages.Show({text, kApplicationTitle, TMessageButtons::Ok, TMessageIcon::None, true});
}

bool TExtPage::Listed(const std::string& name) const {
  return IndexOfText(name, ListBoxEx_ext.Items()) >= 0;
}

void TExtPage::Button_extnewClick() {
  const std::string name = LowerAscii(RemoveChars(Edit_ext.Text(), kExtNameRemovedChars));
  if (Forbidden(name)) return Refuse(kExtForbiddenText);
  if (Listed(name)) return Refuse(kExtDuplicateText);
  if (name.empty()) return;
  AddExtension(name);
}

void TExtPage::Button_extcpyClick() {
  // Typed as it stands: "EXE" is a name of its own here.
  const std::string name = RemoveChars(Edit_ext.Text(), kExtNameRemovedChars);
  if (Forbidden(name)) return Refuse(kExtForbiddenText);
  const int source = ListBoxEx_ext.ItemIndex();
  if (source < 0) return;
  if (Listed(name)) return Refuse(kExtDuplicateText);
  if (name.empty()) return;
  const int copy = AddExtension(name);
  TExtInfo& record = context_.Session.ExtList().Items(copy);
  record.Assign(context_.Session.ExtList().Items(source));
  record.Name = name;
}

int TExtPage::AddExtension(const std::string& name) {
  ListBoxEx_ext.Add(name);
  const int index = context_.Session.ExtList().Add(
      name, TRegFlags(), TExeList(context_.Session.ExtList().Owner()), "", 0);
  context_.Session.ExtList().Items(index).SetModified(true);
  context_.View.RepaintLists();
  return index;
}

void TExtPage::Button_extdelClick() {
  const int index = ListBoxEx_ext.ItemIndex();
  if (index < 0) return;
  const TMessageResult answer =
      context_.Messages.Show({ListBoxEx_ext.Item(index) + kExtDeleteQuestionText, kExtDeleteCaption,
                              TMessageButtons::YesNo, TMessageIcon::None, true});
  if (answer == TMessageResult::No) return;
  // The association goes with the record at once: after this nothing would
  // remember to give the previous file type back.
  const TExtInfo& ext = context_.Session.ExtList().Items(index);
  if (TRegistryAssociation(context_.Session.AssociationContext()).Release(ext)) {
    context_.Notice.AssociationsChanged();
  }
  ListBoxEx_ext.Delete(index);
  context_.Session.ExtList().Delete(index);
  if (ListBoxEx_ext.Count() > 0) {
    ListBoxEx_ext.SetItemIndex(0);
  } else {
    ListBoxEx_app.Clear();
  }
  context_.EnableApply();
}

void TExtPage::MoveExtension(int index, int delta) {
  const int other = index + delta;
  if (index < 0 || other < 0 || other >= ListBoxEx_ext.Count()) return;
  TExtInfo& a = context_.Session.ExtList().Items(index);
  TExtInfo& b = context_.Session.ExtList().Items(other);
  SwapContents(a, b);
  ListBoxEx_ext.SetItem(index, a.Name);
  ListBoxEx_ext.SetItem(other, b.Name);
  ListBoxEx_ext.SetItemIndex(other);
  a.SetModified(true);
  b.SetModified(true);
  context_.View.RepaintLists();
}

void TExtPage::PMenu_extextra_sortClick() {
  const TMessageResult answer = context_.Messages.Show(
      {kExtSortQuestionText, kConfirmCaption, TMessageButtons::YesNo, TMessageIcon::None, true});
  if (answer == TMessageResult::Yes) SortExtensions();
}

void TExtPage::SortExtensions() {
  context_.Session.ExtList().Sort(LessIgnoringCase);
  FillList();
  for (int i = 0; i < context_.Session.ExtList().Count(); ++i)
    context_.Session.ExtList().Items(i).SetModified(true);
  ListBoxEx_ext.SetItemIndex(0);
  context_.View.RepaintLists();
}

void TExtPage::RunBulkCommand(const TBulkCommand& command) {
  const TMessageResult answer = context_.Messages.Show(
      {command.Question, kConfirmCaption, TMessageButtons::YesNo, TMessageIcon::None, true});
  if (answer != TMessageResult::Yes) return;
  // Each marked record has told the window already; this covers the window
  // whatever its marks did.
  if (ApplyBulkCommand(context_.Session.ExtList(), command)) context_.EnableApply();
  // The marks show the new flags, changed or not.
  context_.View.RepaintLists();
}

void TExtPage::PMenu_extextra_getbeforeregClick() {
  const int index = ListBoxEx_ext.ItemIndex();
  if (index < 0) return;
  bool imported = false;
  ImportPreviousVerbs(context_.Session.AssociationContext(), ListBoxEx_ext.Item(index),
                      [this, &imported](const TPreviousVerbEntry& entry) {
                        if (!context_.AppendAppEntry) return;
                        context_.AppendAppEntry(entry);
                        imported = true;
                      });
  // One repaint of the lists for all the entries appended.
  if (imported) context_.View.RepaintLists();
}

void TExtPage::ToggleFlag(TRegMode mode) {
  const int index = ListBoxEx_ext.ItemIndex();
  if (index < 0) return;
  TExtInfo& ext = context_.Session.ExtList().Items(index);
  if (ext.RegFlags.Contains(mode)) {
    ext.RegFlags.Exclude(mode);
  } else {
    ext.RegFlags.Include(mode);
  }
  ext.SetModified(true);
  context_.View.RepaintLists();
}

void TExtPage::ToggleAssociate() {
  ToggleFlag(rlmdExe);
}

void TExtPage::ToggleContextMenu() {
  ToggleFlag(rlmdContextMenu);
}

void TExtPage::ListBoxEx_extMouseDown(int item) {
  if (item >= 0 && item < ListBoxEx_ext.Count()) ListBoxEx_ext.UserSelect(item);
}

void TExtPage::ListBoxEx_extRightDblClick(int item) {
  // The press before the double click has selected that item already.
  if (item >= 0 && item < ListBoxEx_ext.Count()) ToggleContextMenu();
}

TExtRowLook TExtPage::ListBoxEx_extDrawItem(int index) const {
  const TExtInfo& ext = context_.Session.ExtList().Items(index);
  TExtRowLook look;
  look.Text = std::string(1, ext.RegFlags.Contains(rlmdExe) ? 'R' : ' ') +
              (ext.RegFlags.Contains(rlmdContextMenu) ? 'M' : ' ') + "|" +
              (ext.WindowsChoiceWins ? kWindowsChoiceMark : " ") + ListBoxEx_ext.Item(index);
  if (index == ListBoxEx_ext.ItemIndex()) {
    look.BackColor = ext.Modified ? kRowSelectedModifiedBack : kRowSelectedBack;
    look.TextColor = kRowWhite;
  } else if (ext.Modified) {
    look.TextColor = kRowModifiedText;
  } else {
    look.TextColor = ext.WindowsChoiceWins ? kRowWindowsChoiceText : kRowBlack;
  }
  return look;
}

void TExtPage::Panel_iconMouseDown(bool onImage) {
  iconPanelLowered_ = true;
  iconImageShifted_ = onImage;
}

void TExtPage::Panel_iconMouseUp(TPoint at) {
  iconPanelLowered_ = false;
  iconImageShifted_ = false;
  if (at.X >= 0 && at.X <= kIconPanelSize && at.Y >= 0 && at.Y <= kIconPanelSize) {
    OpenIconPicker();
  }
}

void TExtPage::OpenIconPicker() {
  const int index = ListBoxEx_ext.ItemIndex();
  if (index < 0) return;
  const TExtInfo& ext = context_.Session.ExtList().Items(index);
  context_.Window.SetEnabled(false);
  if (OnOpenIconPicker) OnOpenIconPicker({index, ext.IconPath, ext.IconIndex});
}

}  // namespace nuvopick
