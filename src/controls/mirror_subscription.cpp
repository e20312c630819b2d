#include "controls/mirror_subscription.h"

#include <algorithm>
#include <utility>

namespace nuvopick {

TMirrorSubscription& TMirrorSubscription::operator=(TMirrorSubscription&& other) noexcept {
  if (this != &other) {
    Cancel();
    list_ = std::move(other.list_);
    watcher_ = std::move(other.watcher_);
  }
  return *this;
}

void TMirrorSubscription::Cancel() {
  if (!watcher_) return;
  watcher_->Active = false;
  if (const std::shared_ptr<TMirrorList> list = list_.lock()) list->Remove(watcher_.get());
  watcher_.reset();
  list_.reset();
}

TMirrorSubscription TMirrorList::Subscribe(std::function<void(const TModelChange&)> call) {
  auto watcher = std::make_shared<TMirrorSubscription::TWatcher>();
  watcher->Call = std::move(call);
  watchers_.push_back(watcher);
  return TMirrorSubscription(weak_from_this(), std::move(watcher));
}

void TMirrorList::Notify(const TModelChange& change) {
  if (batchDepth_ == 0) return Call(change);
  pending_ = pending_ ? pending_->Then(change) : change;
}

void TMirrorList::EndBatch() {
  if (batchDepth_ > 0 && --batchDepth_ == 0) Flush();
}

void TMirrorList::Flush() {
  if (!pending_) return;
  const TModelChange change = *pending_;
  pending_.reset();
  Call(change);
}

void TMirrorList::Call(const TModelChange& change) const {
  // A copy: a watcher may end its own or another's watching while it runs.
  const auto watchers = watchers_;
  for (const auto& watcher : watchers) {
    if (watcher->Active && watcher->Call) watcher->Call(change);
  }
}

void TMirrorList::Remove(const TMirrorSubscription::TWatcher* watcher) {
  std::erase_if(watchers_, [watcher](const auto& held) { return held.get() == watcher; });
}

}  // namespace nuvopick
