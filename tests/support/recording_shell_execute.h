// A shell execute service for the tests: keeps every request and answers as told.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "platform/shell_execute.h"

namespace nuvopick::testing {

class RecordingShellExecute : public IShellExecute {
 public:
  std::vector<TLaunchRequest> requests;
  bool result = true;
  // The plain opens, each with whether the asking window owns it; they answer openResult.
  std::vector<std::pair<TLaunchRequest, bool>> opened;
  bool openResult = true;
  // Called with each request as it arrives, to look at the world at that moment.
  std::function<void(const TLaunchRequest&)> onExecute;

  bool Execute(const TLaunchRequest& request) override {
    requests.push_back(request);
    if (onExecute) onExecute(request);
    return result;
  }

  bool Open(const TLaunchRequest& request, bool owned) override {
    opened.emplace_back(request, owned);
    return openResult;
  }
};

}  // namespace nuvopick::testing
