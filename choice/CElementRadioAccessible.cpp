#include <iterator>
#include <string>

#include "choice/CElementRadio.h"
#include "choice/CRatioGroup.h"

void CElementRadio::DescribeAccessible(platform::AccessibleFacts& facts) const {
  CElementControl::DescribeAccessible(facts);
  facts.role = ROLE_SYSTEM_RADIOBUTTON;
  // The caption is drawn with its access key underlined, its '&' unseen.
  facts.name = platform::TextWithoutPrefix(GetTextString().GetString());
  facts.state &= ~STATE_SYSTEM_READONLY;
  if (IsRegistered(WM_SETFOCUS)) facts.state |= STATE_SYSTEM_FOCUSABLE;
  if (m_eCheck == RADIO_CHECKED) facts.state |= STATE_SYSTEM_CHECKED;
  facts.defaultAction = L"Check";
  if (!m_pGroupOwner) return;
  const auto& radios = m_pGroupOwner->m_mapRadio;
  for (auto it = radios.begin(); it != radios.end(); ++it)
    if (it->second == this)
      facts.description = std::to_wstring(std::distance(radios.begin(), it) + 1) + L"/" +
                          std::to_wstring(radios.size());
}
