// The watches of an element: a list linked through the watches on the stack.
#include "host/ElementWatch.h"

#include "host/CElementContainer.h"

ElementWatch::ElementWatch(CElementContainer& element)
    : m_pList(&element.m_watches), m_pNext(element.m_watches.m_pFirst) {
  if (m_pNext) m_pNext->m_pPrev = this;
  m_pList->m_pFirst = this;
}

ElementWatch::~ElementWatch() {
  if (!m_pList) return;
  // Watches usually end newest first, but nothing makes them.
  if (m_pPrev) m_pPrev->m_pNext = m_pNext;
  else m_pList->m_pFirst = m_pNext;
  if (m_pNext) m_pNext->m_pPrev = m_pPrev;
}

ElementWatch::List::~List() {
  for (ElementWatch* watch = m_pFirst; watch;) {
    ElementWatch* next = watch->m_pNext;
    watch->m_pList = nullptr;
    watch->m_pPrev = watch->m_pNext = nullptr;
    watch = next;
  }
}
