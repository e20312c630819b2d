// Static controls: fixed labels and lines, captions over their model, links
// and panels that answer the mouse.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/static_controls.h"
#include "controls/win/model_view.h"

namespace nuvopick::win {

// A control that only shows what it was made with: a label, a heading, a
// line, an icon (class "STATIC"), a group's frame (class "BUTTON").
class TStaticView : public TModelView {
 public:
  TStaticView(const char* className, const std::string& text, DWORD style, const TPlacement& place);
};

// A label that shows its caption model's text.
class TCaptionView : public TModelView {
 public:
  TCaptionView(TCaption& model, DWORD style, const TPlacement& place);

 private:
  TCaption& caption_;
};

// A link: as wide as its text in its font, so that the pointer is on the link
// only over the text; the pointer becomes a hand over it, and entering,
// leaving and a click go to the handlers. Colour gives the text's colour.
class TLinkView : public TModelView {
 public:
  struct THandlers {
    std::function<void()> Enter, Leave, Click;
    std::function<COLORREF()> Colour;
  };
  TLinkView(TCaption& model, const TPlacement& place, THandlers handlers, TModelRunner run);
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  LRESULT ControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                         const TNextHandler& next) override;

 private:
  int WidthOf(const std::string& text) const;
  // The link as wide as its text, as high as it is.
  void Fit();

  TCaption& caption_;
  HFONT font_;
  THandlers handlers_;
  bool hovered_ = false;
};

// A static control that the program paints or colours and that takes the
// mouse itself, with the hand pointer over it. Its text follows the caption
// model when it has one. Every handler is optional.
class TPanelView : public TModelView {
 public:
  struct THandlers {
    // A button's press, double click or release at a position in the panel;
    // true when the panel keeps it from the static control's own handling.
    std::function<bool(UINT message, POINT at)> Mouse;
    std::function<void(const DRAWITEMSTRUCT& item)> Draw;
    // Colours the panel's text and background; returns the background's brush.
    std::function<HBRUSH(HDC dc)> Colour;
  };
  TPanelView(TCaption* model, DWORD style, const TPlacement& place, THandlers handlers,
             std::string name = {});
  bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  LRESULT ControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                         const TNextHandler& next) override;

 private:
  THandlers handlers_;
};

}  // namespace nuvopick::win
