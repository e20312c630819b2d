// The setup window's pages: where each control lies.
#include <windows.h>

#include <commctrl.h>

#include <utility>

#include "iconpick/win/form_icondlg.h"
#include "setup/setup_layout.h"
#include "setup/win/form_setup.h"
#include "setup/win/setup_window_metrics.h"

namespace nuvopick::win {

using namespace setup_window;

void TForm_setup::BuildFrame() {
  const int stripTop = kClientHeight - kStripHeight;
  AddChild("STATIC", "", SS_ETCHEDHORZ, kAlwaysShown, 0, stripTop, kClientWidth, 2);
  const int buttonTop = stripTop + (kStripHeight - 25) / 2 + 1;
  constexpr int kButtonWidth = 80;
  AddButton(form_.Button_reload, kAlwaysShown, kMargin, buttonTop, kButtonWidth, 25);
  int x = kClientWidth - kMargin - kButtonWidth;
  AddButton(form_.Button_cancel, kAlwaysShown, x, buttonTop, kButtonWidth, 25);
  x -= kButtonWidth + 6;
  AddButton(form_.Button_ok, kAlwaysShown, x, buttonTop, kButtonWidth, 25);
  x -= kButtonWidth + 6;
  AddButton(form_.Button_apply, kAlwaysShown, x, buttonTop, kButtonWidth, 25);
}

void TForm_setup::BuildTree() {
  tree_ = AddChild(WC_TREEVIEWA, "", TVS_SHOWSELALWAYS | TVS_NOHSCROLL | WS_BORDER | WS_TABSTOP,
                   kAlwaysShown, kMargin, kMargin, kTreeWidth,
                   kClientHeight - kStripHeight - 2 * kMargin);
  // A narrow indent leaves the long captions of the second level room.
  SendMessageA(tree_, TVM_SETINDENT, 10, 0);
  const auto& nodes = form_.TV_select.Nodes();
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    TVINSERTSTRUCTA insert{};
    insert.hParent =
        nodes[i].Parent < 0
            ? TVI_ROOT
            : static_cast<HTREEITEM>(treeItems_[static_cast<std::size_t>(nodes[i].Parent)]);
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(nodes[i].Caption.c_str());
    insert.item.lParam = static_cast<LPARAM>(i);
    treeItems_.push_back(reinterpret_cast<void*>(
        SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert))));
  }
  for (void* item : treeItems_) {
    SendMessageA(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  }
  form_.TV_select.OnMirror = [this] {
    const int selected = form_.TV_select.Selected();
    if (selected < 0) return;
    const bool was = std::exchange(mirroring_, true);
    SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(treeItems_[static_cast<std::size_t>(selected)]));
    mirroring_ = was;
  };
}

void TForm_setup::BuildPages() {
  const int contentWidth = kPageWidth;
  AddHeading(nuvopick::kRootPage, "NuvoPick");
  AddLabel("左のツリーから設定項目を選択してください", nuvopick::kRootPage, kPageLeft, kContentTop,
           contentWidth);
  BuildAboutPanel();

  AddHeading(nuvopick::kApplicationsPage, "アプリ設定");
  AddLabel("「拡張子別」または「全拡張子共通」を選択してください", nuvopick::kApplicationsPage,
           kPageLeft, kContentTop, contentWidth);

  BuildExtensionPage();

  AddHeading(nuvopick::kCommonEntriesPage, "共通アプリ設定");
  BuildEntryList(form_.All_AppEditor, "全拡張子共通のアプリケーション",
                 nuvopick::kCommonEntriesPage, kPageLeft, kContentTop + 2, kPageWidth);
  BuildEntryForm(form_.All_AppEditor, nuvopick::kCommonEntriesPage, kPageLeft,
                 kContentTop + 2 + kEntryListBlockHeight + 6, kPageWidth);

  AddHeading(nuvopick::kGateModePage, "関連付け実行モード");
  AddLabel("「一般」または「外観・サウンド」を選択してください", nuvopick::kGateModePage, kPageLeft,
           kContentTop, contentWidth);

  BuildGeneralPage();
  BuildAppearancePage();
  BuildMenuPage();
  BuildSetupModePage();
}

// Left: the extension to add or copy to, the list of extensions and the buttons
// that edit it. Right: the selected extension's icon and its entries.
void TForm_setup::BuildExtensionPage() {
  constexpr int page = nuvopick::kExtensionsPage;
  TExtPage& ext = form_.ExtPage;
  AddHeading(page, "拡張子別設定");
  const int bottom = kClientHeight - kStripHeight - kMargin;
  constexpr int kButtonWidth = 56;
  constexpr int kButtonHeight = 23;
  constexpr int kListWidth = 2 * kButtonWidth + 4;
  int y = kContentTop + 2;

  HWND label = AddLabel(ext.Label_ext.Text(), page, kPageLeft, y + 4, 38);
  ext.Label_ext.OnMirror = [label, &ext] { SetWindowTextA(label, ext.Label_ext.Text().c_str()); };
  HWND edit = AddEdit(ext.Edit_ext, page, kPageLeft + 40, y, kListWidth - 40 - 16);
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(extFont_.Get()), FALSE);
  HWND after = AddLabel(ext.Label_extafter.Text(), page, kPageLeft + kListWidth - 13, y + 4, 14);
  ext.Label_extafter.OnMirror = [after, &ext] {
    SetWindowTextA(after, ext.Label_extafter.Text().c_str());
  };
  y += 27;
  AddButton(ext.Button_extnew, page, kPageLeft, y, kButtonWidth, kButtonHeight);
  AddButton(ext.Button_extcpy, page, kPageLeft + kButtonWidth + 4, y, kButtonWidth, kButtonHeight);
  y += kButtonHeight + 6;

  const int listHeight = bottom - y - kButtonHeight - 6;
  extList_ =
      AddList(ext.ListBoxEx_ext, page, kPageLeft, y, kListWidth, listHeight,
              LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, [this] {
                // The list holds each row as it is drawn, marks included; while a new
                // record is still on its way, its row is its bare name.
                const TExtPage& extPage = form_.ExtPage;
                std::vector<std::string> rows;
                for (int i = 0; i < extPage.ListBoxEx_ext.Count(); ++i) {
                  rows.push_back(i < form_.ExtList().Count() ? extPage.ListBoxEx_extDrawItem(i).Text
                                                             : extPage.ListBoxEx_ext.Item(i));
                }
                return rows;
              });
  SendMessageA(extList_, WM_SETFONT, reinterpret_cast<WPARAM>(extFont_.Get()), FALSE);
  SendMessageA(extList_, LB_SETITEMHEIGHT, 0, kExtRowHeight);
  syncExtRows_ = ext.ListBoxEx_ext.OnMirror;
  Subclass(extList_);
  AddButton(ext.ExtUpButton, page, kPageLeft + kListWidth + 4, y, 22, 22);
  AddButton(ext.ExtDownButton, page, kPageLeft + kListWidth + 4, y + 24, 22, 22);
  y += listHeight + 6;
  AddButton(ext.Button_extdel, page, kPageLeft, y, kButtonWidth, kButtonHeight);
  AddButton(ext.Button_extExtra, page, kPageLeft + kButtonWidth + 4, y, kButtonWidth,
            kButtonHeight);

  const int right = kPageLeft + kListWidth + 4 + 22 + 14;
  const int rightWidth = kPageLeft + kPageWidth - right;
  y = kContentTop + 2;
  iconPanel_ = AddChild("STATIC", "", SS_OWNERDRAW | SS_NOTIFY, page, right, y, kIconPanelSize,
                        kIconPanelSize);
  Subclass(iconPanel_);
  AddChild("STATIC", "アイコン", SS_CENTER | SS_NOPREFIX, page, right - 4, y + kIconPanelSize + 4,
           kIconPanelSize + 8, 14);
  const int listLeft = right + kIconPanelSize + 8;
  BuildEntryList(form_.AppEditor, "登録されているアプリケーション", page, listLeft, y,
                 kPageLeft + kPageWidth - listLeft);
  BuildEntryForm(form_.AppEditor, page, right, y + kEntryListBlockHeight + 6, rightWidth);

  ext.OnOpenIconPicker = [this](const TIconPickerRequest& request) {
    if (iconPicker_ != nullptr) {
      iconPicker_->ShowIconPicker(request.ExtIndex, request.IconFile, Handle(), request.IconIndex);
    }
  };
}

void TForm_setup::BuildGeneralPage() {
  constexpr int page = nuvopick::kGeneralPage;
  AddHeading(page, "関連付け実行モード設定");
  int y = kContentTop;
  AddCheckBox(form_.CheckBox_iswait,
              "起動後、表示される前に一定距離動いたら一番上の拡張子別項目を実行する", page,
              kPageLeft, y, kPageWidth);
  y += kRowHeight + 2;
  AddTrackRow(form_.TrackBar_movlen, form_.Label_movlen, "距離", "ドット", page, y, 10);
  y += 26;
  AddTrackRow(form_.TrackBar_waittime, form_.Label_waittime, "待ち時間", "ミリ秒", page, y, 100);
  y += 28;

  // One line whatever the font: the switch has to lie over the gap.
  HWND noClick = AddCheckBox(form_.CheckBox_isnoclickexe, "", page, kPageLeft, y,
                             kClientWidth - kPageLeft - 2);
  SetWindowTextA(noClick,
                 (std::string(kNoClickPrefix) + kNoClickGap + "の拡張子別項目を実行する").c_str());
  // The switch lies over the blanks of the caption, so that it reads as one sentence.
  const int glyph = GetSystemMetrics(SM_CXMENUCHECK) + 4;
  const int gapLeft = kPageLeft + glyph + MeasureText(font_.Get(), kNoClickPrefix).cx;
  const int gapWidth = MeasureText(font_.Get(), kNoClickGap).cx;
  panel_ = AddChild("STATIC", form_.Panel_aet_noclick.Text(),
                    SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY | SS_NOPREFIX, page, gapLeft + 2, y + 1,
                    gapWidth - 4, kRowHeight - 2);
  SetWindowPos(panel_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Subclass(panel_);
  y += kRowHeight + 2;
  AddTrackRow(form_.TrackBar_noclickwait, form_.Label_noclickwait, "待ち時間", "ミリ秒", page, y,
              500);
  y += 28;

  AddCheckBox(form_.CheckBox_IsExeBySingleClick, "シングルクリックで実行する", page, kPageLeft, y,
              kPageWidth);
  y += kRowHeight + 2;
  const std::string only1 =
      "登録されている実行ファイルが１つだけの時、選択ウィンドウを開かずに実行する";
  AddCheckBox(form_.CheckBox_isonly1exe, only1, page, kPageLeft, y, kPageWidth);
  y += CheckBoxLines(only1, kPageWidth) * (kRowHeight + 2);
  AddCheckBox(form_.CheckBox_isshowhintrel, "開くファイルのパスをヒントとして表示する", page,
              kPageLeft, y, kPageWidth);
  y += kRowHeight + 6;

  constexpr int kDeactWidth = 258;
  AddRadioGroup(form_.RadioGroup_deact, "フォーカスが外れた時の動作", page, kPageLeft, y,
                kDeactWidth);
  AddRadioGroup(form_.RadioGroup_caip, "全拡張子共通項目の挿入位置", page,
                kPageLeft + kDeactWidth + 6, y, kPageWidth - kDeactWidth - 6);
}

void TForm_setup::BuildAppearancePage() {
  constexpr int page = nuvopick::kAppearancePage;
  AddHeading(page, "関連付け実行モード設定2");
  int y = kContentTop;
  AddCheckBox(form_.CheckBox_isuseskin, "スキンを使用する", page, kPageLeft, y, 200);
  y += kRowHeight + 4;

  // Left: the skin file; right: what is drawn without a skin.
  const int boxHeight = 128;
  const int leftWidth = 212;
  AddChild("BUTTON", "スキン使用", BS_GROUPBOX, page, kPageLeft, y, leftWidth, boxHeight);
  AddLabel("スキンのパス", page, kPageLeft + 10, y + 22, 150);
  AddEdit(form_.Edit_skinpath, page, kPageLeft + 10, y + 40, leftWidth - 50);
  AddButton(form_.Button_skinpath, page, kPageLeft + leftWidth - 36, y + 40, 26, 21);
  AddButton(form_.Button_wintest, page, kPageLeft + 10, y + 72, 60, 23);
  AddButton(form_.Button_winedit, page, kPageLeft + 76, y + 72, 60, 23);

  const int rightLeft = kPageLeft + leftWidth + 8;
  const int rightWidth = kPageWidth - leftWidth - 8;
  AddChild("BUTTON", "スキン未使用", BS_GROUPBOX, page, rightLeft, y, rightWidth, boxHeight);
  int bx = rightLeft + 10;
  for (nuvopick::TButton* button :
       {&form_.Button_font, &form_.Button_fontcolor, &form_.Button_color}) {
    AddButton(*button, page, bx, y + 20, 64, 23);
    bx += 68;
  }
  sampleList_ = AddChild("LISTBOX", "", LBS_NOINTEGRALHEIGHT | LBS_NOSEL | WS_BORDER, page,
                         rightLeft + 10, y + 50, rightWidth - 20, boxHeight - 60);
  for (const std::string& line : form_.ListBox_fontandcolor.Lines()) {
    SendMessageA(sampleList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  y += boxHeight + 8;

  AddCheckBox(form_.CheckBox_isusesound, "サウンドを使用する", page, kPageLeft, y, 200);
  y += kRowHeight + 4;
  const int soundHeight = kClientHeight - kStripHeight - kMargin - y;
  AddChild("BUTTON", "サウンド", BS_GROUPBOX, page, kPageLeft, y, kPageWidth, soundHeight);
  AddRadioButton(form_.RadioButton_sound_user, "ユーザーサウンド", page, kPageLeft + 10, y + 20,
                 120);
  AddEdit(form_.Edit_soundpath, page, kPageLeft + 132, y + 18, kPageWidth - 132 - 90);
  AddButton(form_.Button_sound_user, page, kPageLeft + kPageWidth - 84, y + 18, 26, 21);
  AddButton(form_.Button_sound_try, page, kPageLeft + kPageWidth - 54, y + 18, 46, 21);
  AddRadioButton(form_.RadioButton_sound_mb, "システムの警告音", page, kPageLeft + 10, y + 44, 140);
  const auto sounds = form_.SoundMBButtons();
  for (int i = 0; i < static_cast<int>(sounds.size()); ++i) {
    AddRadioButton(*sounds[i], std::string(nuvopick::kSoundMBTypes[i].Caption), page,
                   kPageLeft + 30 + (i % 2) * 190, y + 64 + (i / 2) * kRowHeight, 180);
  }
}

void TForm_setup::BuildMenuPage() {
  constexpr int page = nuvopick::kContextMenuPage;
  AddHeading(page, "ｺﾝﾃｷｽﾄﾒﾆｭｰ設定");
  AddCheckBox(form_.CheckBox_context_isdecorate, "メニューの文字の前に装飾を入れる", page,
              kPageLeft, kContentTop, kPageWidth);
  AddLabel("装飾文字", page, kPageLeft + 20, kContentTop + 31, 60);
  AddEdit(form_.Edit_context_decorate, page, kPageLeft + 80, kContentTop + 27, 60);
}

void TForm_setup::BuildSetupModePage() {
  constexpr int page = nuvopick::kSetupModePage;
  AddHeading(page, "設定モード設定");
  int y = kContentTop;
  AddCheckBox(form_.CheckBox_isstate, "常駐する", page, kPageLeft, y, kPageWidth);
  y += kRowHeight + 6;
  AddCheckBox(form_.CheckBox_isrelonexe, "設定モード実行中にのみ、NuvoPickに関連付けする", page,
              kPageLeft, y, kPageWidth);
  y += kRowHeight + 2;
  AddLabel("( 終了すると関連付けはRegBackup.iniに記述されているものに戻ります )", page,
           kPageLeft + 18, y, kPageWidth - 18);
  y += kRowHeight + 8;
  const int scopeHeight =
      AddRadioGroup(form_.RadioGroup_regscope, "関連付けの対象", page, kPageLeft, y, kPageWidth);
  y += scopeHeight + 8;
  AddCheckBox(form_.CheckBox_isshowhint, "ヒントを表示する", page, kPageLeft, y, kPageWidth);
}

void TForm_setup::BindWindowModels() {
  form_.Caption.OnMirror = [this] { SetWindowTextA(Handle(), form_.Caption.Text().c_str()); };
  form_.Window.OnMirror = [this] { EnableWindow(Handle(), form_.Window.Enabled()); };
  form_.PageControl_base.OnMirror = [this] { ShowPage(form_.PageControl_base.ActivePageIndex()); };
  form_.Panel_aet_noclick.OnMirror = [this] {
    SetWindowTextA(panel_, form_.Panel_aet_noclick.Text().c_str());
  };
  form_.ListBox_fontandcolor.OnMirror = [this] { MirrorSampleList(); };
  MirrorSampleList();
  ShowPage(form_.PageControl_base.ActivePageIndex());
}

void TForm_setup::MirrorSampleList() {
  const nuvopick::TFont& font = form_.ListBox_fontandcolor.Font();
  sampleFont_ = CreatePointFont(font.Name, font.Size, font.Bold, font.Italic, font.UnderLine,
                                font.StrikeOut, font.CharSet);
  sampleBrush_.Reset(CreateSolidBrush(ToColorRef(form_.ListBox_fontandcolor.Color())));
  sampleText_ = ToColorRef(font.Color);
  SendMessageA(sampleList_, WM_SETFONT, reinterpret_cast<WPARAM>(sampleFont_.Get()), TRUE);
  InvalidateRect(sampleList_, nullptr, TRUE);
}

void TForm_setup::ShowPage(int page) {
  for (const TChild& child : children_) {
    if (child.Page == kAlwaysShown) continue;
    ShowWindow(child.Handle, child.Page == page ? SW_SHOWNA : SW_HIDE);
  }
}
}  // namespace nuvopick::win
