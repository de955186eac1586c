// The handle maps behind MFC's FromHandle: a permanent map of wrappers that own their handle,
// and a temporary map of wrappers made on demand for handles nobody wraps.
#pragma once

#include <functional>
#include <memory>
#include <unordered_map>

template <class Wrapper>
class TempHandleMap {
 public:
  using Factory = std::function<std::unique_ptr<Wrapper>(void*)>;
  using Detacher = std::function<void(Wrapper&)>;
  using Alive = std::function<bool(void*)>;

  TempHandleMap(Factory make, Detacher detach, Alive alive)
      : m_make(std::move(make)), m_detach(std::move(detach)), m_alive(std::move(alive)) {}
  ~TempHandleMap() { DeleteTemps(); }

  void SetPermanent(void* h, Wrapper* w) {
    m_permanent[h] = w;
    m_last = {};
  }
  void RemovePermanent(void* h) {
    m_permanent.erase(h);
    m_last = {};
  }
  // The permanent wrapper of a handle, or null; never makes a temporary one.
  Wrapper* Permanent(void* h) const {
    // Every message a window procedure dispatches asks for its window's wrapper, and a run of
    // messages mostly goes to one window: the last answer is kept until the map changes.
    if (h && h == m_last.handle) return m_last.wrapper;
    const auto it = m_permanent.find(h);
    if (it == m_permanent.end()) return nullptr;
    m_last = {h, it->second};
    return it->second;
  }

  Wrapper* FromHandle(void* h) {
    if (!h) return nullptr;
    if (auto it = m_permanent.find(h); it != m_permanent.end()) return it->second;
    if (auto it = m_temporary.find(h); it != m_temporary.end()) return it->second.get();
    // Nobody empties the map outside a message loop; drop wrappers of dead handles as it grows.
    if (m_temporary.size() >= kPruneAt) Prune();
    auto made = m_make(h);
    Wrapper* raw = made.get();
    m_temporary.emplace(h, std::move(made));
    return raw;
  }

  void DeleteTemps() {
    for (auto& [h, w] : m_temporary) m_detach(*w);
    m_temporary.clear();
  }

 private:
  static constexpr std::size_t kPruneAt = 256;
  void Prune() {
    std::erase_if(m_temporary, [this](auto& entry) {
      if (m_alive(entry.first)) return false;
      m_detach(*entry.second);
      return true;
    });
  }

  Factory m_make;
  Detacher m_detach;
  Alive m_alive;
  std::unordered_map<void*, Wrapper*> m_permanent;
  struct Found {
    void* handle = nullptr;
    Wrapper* wrapper = nullptr;
  };
  mutable Found m_last;  // the last handle Permanent found, while the map is unchanged
  std::unordered_map<void*, std::unique_ptr<Wrapper>> m_temporary;
};
