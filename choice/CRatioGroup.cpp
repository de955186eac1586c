#include "choice/CRatioGroup.h"

#include <algorithm>
#include <vector>

#include "choice/CElementRadio.h"

const DWORD CRatioGroup::INVALID_SEL_RADIO_ID = 0xFFFFFFFF;

CRatioGroup::CRatioGroup(const CRatioGroup& other)
    : m_mapRadio(other.m_mapRadio), m_dwSelID(other.m_dwSelID) {
  for (const auto& [id, radio] : m_mapRadio) radio->m_setListedBy.insert(this);
}

CRatioGroup& CRatioGroup::operator=(const CRatioGroup& other) {
  if (this == &other) return *this;
  for (const auto& [id, radio] : m_mapRadio) radio->m_setListedBy.erase(this);
  m_mapRadio = other.m_mapRadio;
  m_dwSelID = other.m_dwSelID;
  for (const auto& [id, radio] : m_mapRadio) radio->m_setListedBy.insert(this);
  // The radios that call this group keep calling it.
  return *this;
}

CRatioGroup::~CRatioGroup() {
  for (const auto& [id, radio] : m_mapRadio) radio->m_setListedBy.erase(this);
  for (CElementRadio* radio : std::set(m_setLinked)) {
    radio->SetGroupOwner(nullptr);
    radio->SetGroupClickedProc(nullptr);
  }
}

int CRatioGroup::AddRadioToGroup(CElementRadio* radio) {
  if (!radio) return 0;
  CElementRadio*& entry = m_mapRadio[radio->GetID()];
  CElementRadio* replaced = entry;
  entry = radio;
  if (replaced && replaced != radio) Unlist(replaced);
  radio->m_setListedBy.insert(this);
  radio->SetGroupOwner(this);
  radio->SetGroupClickedProc(&CRatioGroup::OnRadioItemClicked);
  return 1;
}

int CRatioGroup::AddRadioToGroup(CElementRadio* radios, const DWORD& count) {
  if (!radios) return 0;
  for (DWORD i = 0; i < count; ++i) AddRadioToGroup(&radios[i]);
  return 1;
}

void CRatioGroup::OnRadioItemClicked(const DWORD& id) {
  if (id == m_dwSelID) return;
  const auto previous = m_mapRadio.find(m_dwSelID);
  if (previous != m_mapRadio.end()) previous->second->SetCheck(CElementRadio::RADIO_UNCHECKED);
  m_dwSelID = id;
}

void CRatioGroup::ForgetRadio(CElementRadio* radio) {
  std::erase_if(m_mapRadio, [radio](const auto& entry) { return entry.second == radio; });
  radio->m_setListedBy.erase(this);
}

void CRatioGroup::Unlist(CElementRadio* radio) {
  // A radio whose id changed after it was added may still be listed under its old id.
  for (const auto& [id, listed] : m_mapRadio)
    if (listed == radio) return;
  radio->m_setListedBy.erase(this);
}

CElementRadio* CRatioGroup::Neighbour(const CElementRadio* from, int step) const {
  std::vector<CElementRadio*> order;
  for (const auto& [id, radio] : m_mapRadio)
    if (radio == from || radio->IsEnable()) order.push_back(radio);
  const auto at = std::find(order.begin(), order.end(), from);
  if (at == order.end() || order.size() < 2) return nullptr;
  const auto n = std::ptrdiff_t(order.size());
  return order[std::size_t((((at - order.begin()) + step) % n + n) % n)];
}
