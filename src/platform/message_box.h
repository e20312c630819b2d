// Message boxes: a text, a caption, the buttons offered, and the user's answer.
#pragma once

#include <string>

namespace nuvopick {

enum class TMessageButtons { Ok, YesNo, YesNoCancel };
enum class TMessageIcon { None, Warning, Error, Question };
enum class TMessageResult { Ok, Yes, No, Cancel };

struct TMessageRequest {
  std::string Text;
  std::string Caption;
  TMessageButtons Buttons = TMessageButtons::Ok;
  TMessageIcon Icon = TMessageIcon::None;
  // Owned boxes belong to the asking window (modal to it); others to no window.
  bool Owned = true;

  bool operator==(const TMessageRequest&) const = default;
};

class IMessageBox {
 public:
  virtual ~IMessageBox() = default;

  // Shows the box and returns when the user has answered. Closing the box
  // without a button answers Cancel (Ok for a box with only OK).
  virtual TMessageResult Show(const TMessageRequest& request) = 0;
};

}  // namespace nuvopick
