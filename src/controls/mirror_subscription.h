// The watchers of a control model and the tokens that keep them: a watcher is
// called while its token lives, and a token that outlives its model does nothing.
// Inside a batch the changes wait and reach the watchers as one.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "controls/model_change.h"

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
    std::function<void(const TModelChange&)> Call;
    bool Active = true;
  };
  TMirrorSubscription(std::weak_ptr<TMirrorList> list, std::shared_ptr<TWatcher> watcher)
      : list_(std::move(list)), watcher_(std::move(watcher)) {}

  std::weak_ptr<TMirrorList> list_;
  std::shared_ptr<TWatcher> watcher_;
};

class TMirrorList : public std::enable_shared_from_this<TMirrorList> {
 public:
  TMirrorSubscription Subscribe(std::function<void(const TModelChange&)> call);
  // Calls every watcher with Change; one whose token goes meanwhile is not
  // called any more. Inside a batch the change is kept, joined to the ones
  // before it, for the end of the outermost batch.
  void Notify(const TModelChange& change);

  // Batches nest; the end of the outermost one calls the watchers once with
  // what changed inside it, and not at all when nothing did.
  void BeginBatch() { ++batchDepth_; }
  void EndBatch();
  // Calls the watchers now with what the batch has kept so far.
  void Flush();

 private:
  friend class TMirrorSubscription;
  void Remove(const TMirrorSubscription::TWatcher* watcher);
  void Call(const TModelChange& change) const;

  std::vector<std::shared_ptr<TMirrorSubscription::TWatcher>> watchers_;
  int batchDepth_ = 0;
  std::optional<TModelChange> pending_;
};

}  // namespace nuvopick
