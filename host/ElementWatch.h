/// @class ElementWatch
/// Whether an element outlived a call out.
///
/// A control calls out (notifies its parent, calls its owner back, moves the focus, which others
/// hear of) and the one called may end the control there and then: a parent deletes a drop list
/// on hearing of the choice, a panel closes as its edit loses the focus. Whatever the control
/// does after the call, it must first know that it is still there. So it watches itself across
/// the call:
///
/// @code{.unparsed}
///  const ElementWatch watch(*this);
///  SendControlMessage(WM_NOTIFY, ...);
///  if (!watch.Alive()) return 1;    // gone: touch nothing of it, not even to return its state
/// @endcode
///
/// The rule: after a call out, a control touches itself only behind a watch. A call out that is
/// the last thing its handler does needs none ("notify last"), and handlers that can end so do.
/// Any call that may reach code of the host counts: a notice, an owner's callback, and taking the
/// focus, which the element losing it tells its parent.
///
/// A watch is three pointers on the stack and allocates nothing: the element keeps its watches
/// in a list linked through the watches themselves, and its destructor clears each. Watches nest
/// freely (an element watched by several frames of one call chain, an element ended in a call
/// nested in another), may end in any order, and a watch outliving its element is simply not
/// alive. A copy of an element is not watched by its original's watches. One thread, the
/// user-interface one, as for everything of the framework.
#pragma once

class CElementContainer;

class ElementWatch {
 public:
  /// Watches `element` while this watch lives.
  explicit ElementWatch(CElementContainer& element);
  ~ElementWatch();
  ElementWatch(const ElementWatch&) = delete;
  ElementWatch& operator=(const ElementWatch&) = delete;

  /// False once the watched element has been destroyed. Released, or out of its window, it is
  /// still alive: whatever else a control needs afterwards (its window, a pop-up) it checks.
  bool Alive() const { return m_pList != nullptr; }

  /// The watches on one element, kept by the element and cleared when it goes. Copying an
  /// element gives the copy none, and assigning one keeps the watches it has.
  class List {
   public:
    ///@{
    /// An empty list; a copy starts empty, and assigning keeps the watches already there.
    List() = default;
    List(const List&) {}
    List& operator=(const List&) { return *this; }
    ///@}
    /// Tells every watch on it that the element is gone.
    ~List();

   private:
    friend class ElementWatch;
    ElementWatch* m_pFirst = nullptr;  ///< the newest
  };

 private:
  List* m_pList;  ///< null once the element has gone
  ElementWatch* m_pPrev = nullptr;
  ElementWatch* m_pNext = nullptr;
};
