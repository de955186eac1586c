#include "platform/gdi/HandleTable.h"

#include <algorithm>

namespace platform {

namespace {

GuiCount GuiCountOf(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Bitmap:
    case ObjectKind::Pen:
    case ObjectKind::Brush:
    case ObjectKind::Font:
    case ObjectKind::Region:
    case ObjectKind::DeviceContext: return GuiCount::Gdi;
    case ObjectKind::Window:
    case ObjectKind::Cursor:
    case ObjectKind::InputContext: return GuiCount::User;
    case ObjectKind::Module:
    case ObjectKind::Resource:
    case ObjectKind::Global: return GuiCount::None;
  }
  return GuiCount::None;
}

}  // namespace

HandleTable::Tally* HandleTable::TallyOf(const PlatformObject& object) {
  const GuiCount count = GuiCountOf(object.kind);
  return count == GuiCount::None || object.shared ? nullptr : &m_gui[std::size_t(count)];
}

void* HandleTable::Insert(std::unique_ptr<PlatformObject> object) {
  std::uint32_t index;
  if (!m_free.empty()) {
    index = m_free.back();
    m_free.pop_back();
  } else {
    index = static_cast<std::uint32_t>(m_slots.size());
    m_slots.emplace_back();
  }
  Slot& slot = m_slots[index];
  const auto value = ((std::uintptr_t(index) + 1) << kGenerationBits) | slot.generation;
  object->handle = reinterpret_cast<void*>(value);
  if (Tally* tally = TallyOf(*object)) tally->peak = std::max(tally->peak, ++tally->live);
  slot.object = std::move(object);
  ++m_live;
  return reinterpret_cast<void*>(value);
}

bool HandleTable::Erase(const void* handle) {
  if (!Find(handle)) return false;
  const auto value = reinterpret_cast<std::uintptr_t>(handle);
  const std::uintptr_t index = (value >> kGenerationBits) - 1;
  Slot& slot = m_slots[index];
  // Take the object out first: its destructor may free other handles.
  std::unique_ptr<PlatformObject> object = std::move(slot.object);
  // Generation 0 is never handed out, so a null-looking or zeroed handle never matches.
  slot.generation = (slot.generation & kGenerationMask) == kGenerationMask ? 1 : slot.generation + 1;
  m_free.push_back(static_cast<std::uint32_t>(index));
  --m_live;
  if (Tally* tally = TallyOf(*object)) --tally->live;
  object.reset();
  return true;
}

}  // namespace platform
