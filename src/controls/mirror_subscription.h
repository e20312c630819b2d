// The watchers of a control model and the tokens that keep them: a watcher is
// called while its token lives, and a token that outlives its model does nothing.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace nuvopick {

class TMirrorList;

// Held by a view for as long as it shows a model; dropping it (or the view)
// ends the watching.
class TMirrorSubscription {
 public:
  TMirrorSubscription() = default;
  TMirrorSubscription(TMirrorSubscription&& other) noexcept = default;
  TMirrorSubscription& operator=(TMirrorSubscription&& other) noexcept;
  TMirrorSubscription(const TMirrorSubscription&) = delete;
  TMirrorSubscription& operator=(const TMirrorSubscription&) = delete;
  ~TMirrorSubscription() { Cancel(); }

  void Cancel();

 private:
  friend class TMirrorList;
  struct TWatcher {
    std::function<void()> Call;
    bool Active = true;
  };
  TMirrorSubscription(std::weak_ptr<TMirrorList> list, std::shared_ptr<TWatcher> watcher)
      : list_(std::move(list)), watcher_(std::move(watcher)) {}

  std::weak_ptr<TMirrorList> list_;
  std::shared_ptr<TWatcher> watcher_;
};

class TMirrorList : public std::enable_shared_from_this<TMirrorList> {
 public:
  TMirrorSubscription Subscribe(std::function<void()> call);
  // Calls every watcher; one whose token goes meanwhile is not called any more.
  void Notify() const;

 private:
  friend class TMirrorSubscription;
  void Remove(const TMirrorSubscription::TWatcher* watcher);

  std::vector<std::shared_ptr<TMirrorSubscription::TWatcher>> watchers_;
};

}  // namespace nuvopick
