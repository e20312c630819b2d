// The setup window's pages: where each control lies.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <utility>

#include "iconpick/win/form_icondlg.h"
#include "platform/win/window_dpi.h"
#include "setup/setup_layout.h"
#include "setup/win/form_setup.h"
#include "setup/win/setup_window_metrics.h"

namespace nuvopick::win {

using namespace setup_window;

void TForm_setup::BuildFrame() {
  const int stripTop = kClientHeight - kStripHeight;
  AddStatic("", SS_ETCHEDHORZ, kAlwaysShown, 0, stripTop, kClientWidth, 2);
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
  tree_ = &static_cast<TTreeViewView&>(
      Place(kAlwaysShown,
            std::make_unique<TTreeViewView>(
                form_.TV_select,
                At(kMargin, kMargin, kTreeWidth, kClientHeight - kStripHeight - 2 * kMargin),
                [this] { return form_.TV_selectCollapsing(); }, Runner())));
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

  AddCaption(ext.Label_ext, page, kPageLeft, y + 4, 38);
  AddEdit(ext.Edit_ext, page, kPageLeft + 40, y, kListWidth - 40 - 16, {}, TFontRole::Fixed);
  AddCaption(ext.Label_extafter, page, kPageLeft + kListWidth - 13, y + 4, 14);
  y += 27;
  AddButton(ext.Button_extnew, page, kPageLeft, y, kButtonWidth, kButtonHeight);
  AddButton(ext.Button_extcpy, page, kPageLeft + kButtonWidth + 4, y, kButtonWidth, kButtonHeight);
  y += kButtonHeight + 6;

  const int listHeight = bottom - y - kButtonHeight - 6;
  TListView::THandlers rows;
  rows.Row = [this](int index) {
    // The list holds each row as it is drawn, marks included; while a new
    // record is still on its way, its row is its bare name.
    const TExtPage& extPage = form_.ExtPage;
    return index < form_.ExtList().Count() ? extPage.ListBoxEx_extDrawItem(index).Text
                                           : extPage.ListBoxEx_ext.Item(index);
  };
  rows.Draw = [this](const DRAWITEMSTRUCT& item) { DrawExtRow(item); };
  // Every press over the list selects the item under it; the double clicks
  // toggle the marks.
  rows.Mouse = [this, &ext](UINT message, int item) {
    Run([&ext, item] { ext.ListBoxEx_extMouseDown(item); });
    if (message == WM_LBUTTONDBLCLK) Run([&ext] { ext.ListBoxEx_extDblClick(); });
    if (message == WM_RBUTTONDBLCLK) Run([&ext, item] { ext.ListBoxEx_extRightDblClick(item); });
  };
  TListView& list = AddList(ext.ListBoxEx_ext, page, kPageLeft, y, kListWidth, listHeight,
                            LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, std::move(rows), TFontRole::Fixed);
  SetRowHeight(list, kExtRowHeight);
  AddButton(ext.ExtUpButton, page, kPageLeft + kListWidth + 4, y, 22, 22);
  AddButton(ext.ExtDownButton, page, kPageLeft + kListWidth + 4, y + 24, 22, 22);
  y += listHeight + 6;
  AddButton(ext.Button_extdel, page, kPageLeft, y, kButtonWidth, kButtonHeight);
  AddButton(ext.Button_extExtra, page, kPageLeft + kButtonWidth + 4, y, kButtonWidth,
            kButtonHeight);

  const int right = kPageLeft + kListWidth + 4 + 22 + 14;
  const int rightWidth = kPageLeft + kPageWidth - right;
  y = kContentTop + 2;
  TPanelView::THandlers icon;
  icon.Mouse = [this](UINT message, POINT at) { return IconPanelMouse(message, at); };
  icon.Draw = [this](const DRAWITEMSTRUCT& item) { DrawIconPanel(item); };
  iconPanel_ = &static_cast<TPanelView&>(
      Place(page, std::make_unique<TPanelView>(nullptr, SS_OWNERDRAW | SS_NOTIFY,
                                               At(right, y, kIconPanelSize, kIconPanelSize),
                                               std::move(icon), "Image_icon")));
  AddStatic("アイコン", SS_CENTER | SS_NOPREFIX, page, right - 4, y + kIconPanelSize + 4,
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
  AddCheckBox(form_.GeneralPage.CheckBox_iswait,
              "起動後、表示される前に一定距離動いたら一番上の拡張子別項目を実行する", page,
              kPageLeft, y, kPageWidth);
  y += kRowHeight + 2;
  AddTrackRow(form_.GeneralPage.TrackBar_movlen, form_.GeneralPage.Label_movlen, "距離", "ドット",
              page, y, 10);
  y += 26;
  AddTrackRow(form_.GeneralPage.TrackBar_waittime, form_.GeneralPage.Label_waittime, "待ち時間",
              "ミリ秒", page, y, 100);
  y += 28;

  // One line whatever the font: the switch has to lie over the gap.
  HWND noClick = AddCheckBox(form_.GeneralPage.CheckBox_isnoclickexe, "", page, kPageLeft, y,
                             kClientWidth - kPageLeft - 2);
  SetWindowTextA(noClick,
                 (std::string(kNoClickPrefix) + kNoClickGap + "の拡張子別項目を実行する").c_str());
  // The switch lies over the blanks of the caption, so that it reads as one sentence.
  const int glyph = UnscaledTextWidth(SystemMetricAt(SM_CXMENUCHECK, dpi_), dpi_) + 4;
  const int gapLeft = kPageLeft + glyph + TextWidth(kNoClickPrefix);
  const int gapWidth = TextWidth(kNoClickGap);
  TPanelView::THandlers autoRun;
  // The auto-run switch: every button press turns it, the second of a quick
  // pair of clicks too.
  autoRun.Mouse = [this](UINT message, POINT) {
    switch (message) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        Run([this] { form_.GeneralPage.Panel_aet_noclickMouseDown(TSwitchButton::Left); });
        return true;
      case WM_RBUTTONDOWN:
      case WM_RBUTTONDBLCLK:
        Run([this] { form_.GeneralPage.Panel_aet_noclickMouseDown(TSwitchButton::Right); });
        return true;
      case WM_MBUTTONDOWN:
      case WM_MBUTTONDBLCLK:
        Run([this] { form_.GeneralPage.Panel_aet_noclickMouseDown(TSwitchButton::Other); });
        return true;
      default:
        return false;
    }
  };
  autoRun.Colour = [this](HDC dc) {
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, kPanelColor);
    return panelBrush_.Get();
  };
  HWND panel =
      Place(page, std::make_unique<TPanelView>(&form_.GeneralPage.Panel_aet_noclick,
                                               SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY | SS_NOPREFIX,
                                               At(gapLeft + 2, y + 1, gapWidth - 4, kRowHeight - 2),
                                               std::move(autoRun)))
          .Handle();
  SetWindowPos(panel, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  y += kRowHeight + 2;
  AddTrackRow(form_.GeneralPage.TrackBar_noclickwait, form_.GeneralPage.Label_noclickwait,
              "待ち時間", "ミリ秒", page, y, 500);
  y += 28;

  AddCheckBox(form_.GeneralPage.CheckBox_IsExeBySingleClick, "シングルクリックで実行する", page,
              kPageLeft, y, kPageWidth);
  y += kRowHeight + 2;
  const std::string only1 =
      "登録されている実行ファイルが１つだけの時、選択ウィンドウを開かずに実行する";
  AddCheckBox(form_.GeneralPage.CheckBox_isonly1exe, only1, page, kPageLeft, y, kPageWidth);
  y += CheckBoxLines(only1, kPageWidth) * (kRowHeight + 2);
  AddCheckBox(form_.GeneralPage.CheckBox_isshowhintrel, "開くファイルのパスをヒントとして表示する",
              page, kPageLeft, y, kPageWidth);
  y += kRowHeight + 2;
  AddCheckBox(form_.GeneralPage.CheckBox_isgatherfiles,
              "同時に開いた複数のファイルを一つのリストにまとめる", page, kPageLeft, y, kPageWidth);
  y += kRowHeight + 6;

  constexpr int kDeactWidth = 258;
  AddRadioGroup(form_.GeneralPage.RadioGroup_deact, "フォーカスが外れた時の動作", page, kPageLeft,
                y, kDeactWidth);
  AddRadioGroup(form_.GeneralPage.RadioGroup_caip, "全拡張子共通項目の挿入位置", page,
                kPageLeft + kDeactWidth + 6, y, kPageWidth - kDeactWidth - 6);
}

void TForm_setup::BuildAppearancePage() {
  constexpr int page = nuvopick::kAppearancePage;
  AddHeading(page, "関連付け実行モード設定2");
  int y = kContentTop;
  // Left: the skin file; right: what is drawn without a skin. The icons belong
  // to both, on the first row above the right half.
  const int boxHeight = 128;
  const int leftWidth = 212;
  AddCheckBox(form_.AppearancePage.CheckBox_isuseskin, "スキンを使用する", page, kPageLeft, y, 200);
  AddCheckBox(form_.AppearancePage.CheckBox_isshowicon, "プログラムのアイコンを表示する", page,
              kPageLeft + leftWidth + 8, y, kPageWidth - leftWidth - 8);
  y += kRowHeight + 4;

  AddGroupBox("スキン使用", page, kPageLeft, y, leftWidth, boxHeight);
  AddLabel("スキンのパス", page, kPageLeft + 10, y + 22, 150);
  AddEdit(form_.AppearancePage.Edit_skinpath, page, kPageLeft + 10, y + 40, leftWidth - 50);
  AddButton(form_.AppearancePage.Button_skinpath, page, kPageLeft + leftWidth - 36, y + 40, 26, 21);
  AddButton(form_.AppearancePage.Button_wintest, page, kPageLeft + 10, y + 72, 60, 23);
  AddButton(form_.AppearancePage.Button_winedit, page, kPageLeft + 76, y + 72, 60, 23);

  const int rightLeft = kPageLeft + leftWidth + 8;
  const int rightWidth = kPageWidth - leftWidth - 8;
  AddGroupBox("スキン未使用", page, rightLeft, y, rightWidth, boxHeight);
  int bx = rightLeft + 10;
  for (nuvopick::TButton* button :
       {&form_.AppearancePage.Button_font, &form_.AppearancePage.Button_fontcolor,
        &form_.AppearancePage.Button_color}) {
    AddButton(*button, page, bx, y + 20, 64, 23);
    bx += 68;
  }
  Place(page, std::make_unique<TSampleListView>(
                  form_.AppearancePage.ListBox_fontandcolor,
                  At(rightLeft + 10, y + 50, rightWidth - 20, boxHeight - 60), &ToColorRef));
  y += boxHeight + 8;

  AddCheckBox(form_.AppearancePage.CheckBox_isusesound, "サウンドを使用する", page, kPageLeft, y,
              200);
  y += kRowHeight + 4;
  const int soundHeight = kClientHeight - kStripHeight - kMargin - y;
  AddGroupBox("サウンド", page, kPageLeft, y, kPageWidth, soundHeight);
  AddRadioButton(form_.AppearancePage.RadioButton_sound_user, "ユーザーサウンド", page,
                 kPageLeft + 10, y + 20, 120);
  AddEdit(form_.AppearancePage.Edit_soundpath, page, kPageLeft + 132, y + 18,
          kPageWidth - 132 - 90);
  AddButton(form_.AppearancePage.Button_sound_user, page, kPageLeft + kPageWidth - 84, y + 18, 26,
            21);
  AddButton(form_.AppearancePage.Button_sound_try, page, kPageLeft + kPageWidth - 54, y + 18, 46,
            21);
  AddRadioButton(form_.AppearancePage.RadioButton_sound_mb, "システムの警告音", page,
                 kPageLeft + 10, y + 44, 140);
  const auto sounds = form_.AppearancePage.SoundMBButtons();
  for (int i = 0; i < static_cast<int>(sounds.size()); ++i) {
    AddRadioButton(*sounds[i], std::string(nuvopick::kSoundMBTypes[i].Caption), page,
                   kPageLeft + 30 + (i % 2) * 190, y + 64 + (i / 2) * kRowHeight, 180);
  }
}

void TForm_setup::BuildMenuPage() {
  constexpr int page = nuvopick::kContextMenuPage;
  AddHeading(page, "ｺﾝﾃｷｽﾄﾒﾆｭｰ設定");
  AddCheckBox(form_.MenuPage.CheckBox_context_isdecorate, "メニューの文字の前に装飾を入れる", page,
              kPageLeft, kContentTop, kPageWidth);
  AddLabel("装飾文字", page, kPageLeft + 20, kContentTop + 31, 60);
  AddEdit(form_.MenuPage.Edit_context_decorate, page, kPageLeft + 80, kContentTop + 27, 60);
}

void TForm_setup::BuildSetupModePage() {
  constexpr int page = nuvopick::kSetupModePage;
  AddHeading(page, "設定モード設定");
  int y = kContentTop;
  AddCheckBox(form_.SetupModePage.CheckBox_isstate, "常駐する", page, kPageLeft, y, kPageWidth);
  y += kRowHeight + 6;
  AddCheckBox(form_.SetupModePage.CheckBox_isrelonexe,
              "設定モード実行中にのみ、NuvoPickに関連付けする", page, kPageLeft, y, kPageWidth);
  y += kRowHeight + 2;
  AddLabel("( 終了すると関連付けはRegBackup.iniに記述されているものに戻ります )", page,
           kPageLeft + 18, y, kPageWidth - 18);
  y += kRowHeight + 8;
  const int scopeHeight = AddRadioGroup(form_.SetupModePage.RadioGroup_regscope, "関連付けの対象",
                                        page, kPageLeft, y, kPageWidth);
  y += scopeHeight + 8;
  AddCheckBox(form_.SetupModePage.CheckBox_isshowhint, "ヒントを表示する", page, kPageLeft, y,
              kPageWidth);
}

void TForm_setup::BindWindowModels() {
  mirrors_.push_back(form_.Caption.SubscribeMirror(
      [this] { SetWindowTextA(Handle(), form_.Caption.Text().c_str()); }));
  mirrors_.push_back(
      form_.Window.SubscribeMirror([this] { EnableWindow(Handle(), form_.Window.Enabled()); }));
  mirrors_.push_back(form_.PageControl_base.SubscribeMirror(
      [this] { ShowPage(form_.PageControl_base.ActivePageIndex()); }));
  ShowPage(form_.PageControl_base.ActivePageIndex());
}

void TForm_setup::ShowPage(int page) {
  for (const TPlacedView& placed : views_) {
    if (placed.Page == kAlwaysShown) continue;
    ShowWindow(placed.View->Handle(), placed.Page == page ? SW_SHOWNA : SW_HIDE);
  }
}
}  // namespace nuvopick::win
