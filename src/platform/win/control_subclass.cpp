#include "platform/win/control_subclass.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/win/message_barrier.h"
#include "platform/win/window.h"

namespace nuvopick::win {
namespace {

// The window property that carries a control's hooks.
constexpr char kHooksProperty[] = "NuvoPick.Hooks";

}  // namespace

struct THookChain;

struct TSubclassToken::THook {
  TControlHook Call;
  // The chain the hook is in; null once it was taken out or the control died.
  THookChain* Chain = nullptr;
};

struct THookChain {
  WNDPROC Original = nullptr;
  // Oldest first.
  std::vector<std::shared_ptr<TSubclassToken::THook>> Hooks;
};

namespace {

using THooks = std::vector<std::shared_ptr<TSubclassToken::THook>>;

LRESULT RunFrom(HWND control, const THookChain& chain, const THooks& hooks, std::size_t count,
                UINT message, WPARAM wParam, LPARAM lParam) {
  // The newest hook still in the chain, below the ones already run.
  while (count > 0 && hooks[count - 1]->Chain == nullptr) --count;
  if (count == 0) return CallWindowProcA(chain.Original, control, message, wParam, lParam);
  const TNextHandler next = [&, count](UINT m, WPARAM w, LPARAM l) {
    return RunFrom(control, chain, hooks, count - 1, m, w, l);
  };
  return hooks[count - 1]->Call(message, wParam, lParam, next);
}

LRESULT CALLBACK HookedProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* chain = static_cast<THookChain*>(GetPropA(control, kHooksProperty));
  if (chain == nullptr) return DefWindowProcA(control, message, wParam, lParam);
  // A copy: a hook may take itself or another out while the message runs.
  const THooks hooks = chain->Hooks;
  const LRESULT result = HandleGuarded(
      [&] { return RunFrom(control, *chain, hooks, hooks.size(), message, wParam, lParam); },
      [control](const std::exception& error) { TWindow::MessageFailedIn(control, error); });
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain->Original));
    RemovePropA(control, kHooksProperty);
    for (const auto& hook : chain->Hooks) hook->Chain = nullptr;
    delete chain;
  }
  return result;
}

}  // namespace

TSubclassToken& TSubclassToken::operator=(TSubclassToken&& other) noexcept {
  if (this != &other) {
    Remove();
    hook_ = std::move(other.hook_);
  }
  return *this;
}

// The chain stays on the control when its last hook goes: another subclass may
// have been put in front of it meanwhile, and only the control's end undoes it.
void TSubclassToken::Remove() {
  if (!hook_) return;
  if (THookChain* chain = std::exchange(hook_->Chain, nullptr)) {
    std::erase(chain->Hooks, hook_);
  }
  hook_.reset();
}

TSubclassToken HookControl(HWND control, TControlHook call) {
  auto* chain = static_cast<THookChain*>(GetPropA(control, kHooksProperty));
  if (chain == nullptr) {
    chain = new THookChain;
    SetPropA(control, kHooksProperty, chain);
    chain->Original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookedProc)));
  }
  auto hook = std::make_shared<TSubclassToken::THook>();
  hook->Call = std::move(call);
  hook->Chain = chain;
  chain->Hooks.push_back(hook);
  return TSubclassToken(std::move(hook));
}

}  // namespace nuvopick::win
