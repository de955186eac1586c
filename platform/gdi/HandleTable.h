// Every platform object (GDI objects, device contexts, and later windows and cursors) lives in
// one table and is named by a handle that encodes its slot and the slot's generation. Looking a
// handle up is an index and a compare, and a handle whose object is gone (or that was never
// made) resolves to null instead of to freed memory.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

enum class ObjectKind : std::uint8_t {
  Bitmap,
  Pen,
  Brush,
  Font,
  Region,
  DeviceContext,
  Window,
  Cursor,
  Module,
  Resource,
  Global,
  InputContext,
};

// What the platform's GetGuiResources counts an object as: GDI objects, USER objects, or
// neither (kernel and module objects).
enum class GuiCount : std::uint8_t { Gdi, User, None };

struct PlatformObject {
  explicit PlatformObject(ObjectKind k) : kind(k) {}
  virtual ~PlatformObject() = default;
  PlatformObject(const PlatformObject&) = delete;
  PlatformObject& operator=(const PlatformObject&) = delete;

  const ObjectKind kind;
  // Made once for every process (stock objects, system cursors, the desktop and its input
  // context): never deleted, and no process's GUI counts include it. Set before the table
  // takes the object.
  bool shared = false;
  void* handle = nullptr;  // the handle the table gave this object
};

class HandleTable {
 public:
  // Takes ownership and returns the new handle.
  void* Insert(std::unique_ptr<PlatformObject> object);
  // The object behind a live handle, or null.
  PlatformObject* Find(const void* handle) const {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    const std::uintptr_t index = (value >> kGenerationBits) - 1;
    if (index >= m_slots.size()) return nullptr;
    const Slot& slot = m_slots[index];
    if (slot.generation != (value & kGenerationMask)) return nullptr;
    return slot.object.get();
  }
  // Destroys the object behind a live handle; false when the handle is not live.
  bool Erase(const void* handle);
  std::size_t LiveCount() const { return m_live; }
  // Live objects of a count that are not shared, and the most there have ever been at once.
  std::size_t GuiObjects(GuiCount count) const { return m_gui[std::size_t(count)].live; }
  std::size_t GuiObjectsPeak(GuiCount count) const { return m_gui[std::size_t(count)].peak; }

 private:
  struct Tally {
    std::size_t live = 0, peak = 0;
  };
  // The GUI count an object adds to; null for shared objects and those of no GUI count.
  Tally* TallyOf(const PlatformObject& object);

  static constexpr unsigned kGenerationBits = 12;
  static constexpr std::uintptr_t kGenerationMask = (std::uintptr_t(1) << kGenerationBits) - 1;
  struct Slot {
    std::unique_ptr<PlatformObject> object;
    std::uintptr_t generation = 1;
  };
  std::vector<Slot> m_slots;
  std::vector<std::uint32_t> m_free;
  std::size_t m_live = 0;
  std::array<Tally, 3> m_gui;  // by GuiCount; None's stays 0
};

// The process's one table. It is never destroyed, so objects that outlive main's statics (a
// global font, a leaked bitmap) can still be deleted safely at exit.
inline HandleTable& Handles() {
  static HandleTable* const table = new HandleTable;
  return *table;
}

// The object of the wanted kind behind a handle, or null (stale, made up, or another kind).
template <class T>
T* Resolve(const void* handle) {
  if (!handle) return nullptr;
  PlatformObject* object = Handles().Find(handle);
  return object && object->kind == T::kKind ? static_cast<T*>(object) : nullptr;
}

template <class T, class H = void*>
H Register(std::unique_ptr<T> object) {
  return static_cast<H>(Handles().Insert(std::move(object)));
}

}  // namespace platform
