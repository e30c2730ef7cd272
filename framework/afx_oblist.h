// The framework's doubly linked list of object pointers. A POSITION stays valid while other
// elements are added or removed, which callers rely on when they remove during a walk.
#pragma once

#include "afx_object.h"

struct __POSITION {};
using POSITION = __POSITION*;

class CObList : public CObject {
    DECLARE_DYNAMIC(CObList)
  public:
    CObList() = default;
    ~CObList() override { RemoveAll(); }
    CObList(const CObList&) = delete;
    CObList& operator=(const CObList&) = delete;

    int GetCount() const { return m_nCount; }
    bool IsEmpty() const { return m_nCount == 0; }
    POSITION AddHead(CObject* pObject);
    POSITION AddTail(CObject* pObject);
    POSITION GetHeadPosition() const { return Position(m_pHead); }
    // The head and tail elements; the list must not be empty.
    CObject* GetHead() const { return m_pHead->pObject; }
    CObject* GetTail() const { return m_pTail->pObject; }
    CObject* GetNext(POSITION& pos) const;
    CObject* GetAt(POSITION pos) const { return Node(pos)->pObject; }
    POSITION Find(const CObject* pObject) const;
    void RemoveAt(POSITION pos);
    // Take the head or tail element off and return it; the list must not be empty.
    CObject* RemoveHead();
    CObject* RemoveTail();
    void RemoveAll();

  private:
    struct CNode : __POSITION {
        CNode* pNext;
        CNode* pPrev;
        CObject* pObject;
    };
    static POSITION Position(CNode* node) { return node; }
    static CNode* Node(POSITION pos) { return static_cast<CNode*>(pos); }

    CNode* m_pHead = nullptr;
    CNode* m_pTail = nullptr;
    int m_nCount = 0;
};
