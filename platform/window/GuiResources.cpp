// GetGuiResources: the handle table's GDI and USER counts, as the platform reports a process's.
#include "platform/gdi/HandleTable.h"
#include "platform/win32/WinBase.h"
#include "platform/win32/WinUser.h"

DWORD GetGuiResources(HANDLE process, DWORD flags) {
  using platform::GuiCount;
  if (process != GetCurrentProcess()) return SetLastError(ERROR_INVALID_HANDLE), 0;
  const platform::HandleTable& table = platform::Handles();
  switch (flags) {
    case GR_GDIOBJECTS: return DWORD(table.GuiObjects(GuiCount::Gdi));
    case GR_USEROBJECTS: return DWORD(table.GuiObjects(GuiCount::User));
    case GR_GDIOBJECTS_PEAK: return DWORD(table.GuiObjectsPeak(GuiCount::Gdi));
    case GR_USEROBJECTS_PEAK: return DWORD(table.GuiObjectsPeak(GuiCount::User));
    default: return SetLastError(ERROR_INVALID_PARAMETER), 0;
  }
}
