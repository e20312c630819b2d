// A shell execute service for the tests: keeps every request and answers as told.
#pragma once

#include <functional>
#include <vector>

#include "platform/shell_execute.h"

namespace nuvopick::testing {

class RecordingShellExecute : public IShellExecute {
 public:
  std::vector<TLaunchRequest> requests;
  bool result = true;
  // Called with each request as it arrives, to look at the world at that moment.
  std::function<void(const TLaunchRequest&)> onExecute;

  bool Execute(const TLaunchRequest& request) override {
    requests.push_back(request);
    if (onExecute) onExecute(request);
    return result;
  }
};

}  // namespace nuvopick::testing
