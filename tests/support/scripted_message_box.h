// Message boxes for the tests: every box shown is recorded, and the answers come
// from a script (OK, or Cancel for a question, when the script has run out).
#pragma once

#include <deque>
#include <vector>

#include "platform/message_box.h"

namespace nuvopick::testing {

class ScriptedMessageBox : public IMessageBox {
 public:
  std::vector<TMessageRequest> shown;
  std::deque<TMessageResult> answers;

  TMessageResult Show(const TMessageRequest& request) override {
    shown.push_back(request);
    if (!answers.empty()) {
      const TMessageResult answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return request.Buttons == TMessageButtons::Ok ? TMessageResult::Ok : TMessageResult::Cancel;
  }
};

}  // namespace nuvopick::testing
