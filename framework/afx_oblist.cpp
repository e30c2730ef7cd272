#include "afx_oblist.h"

IMPLEMENT_DYNAMIC(CObList, CObject)

POSITION CObList::AddHead(CObject* pObject) {
    CNode* node = new CNode{{}, m_pHead, nullptr, pObject};
    (m_pHead != nullptr ? m_pHead->pPrev : m_pTail) = node;
    m_pHead = node;
    ++m_nCount;
    return node;
}

POSITION CObList::AddTail(CObject* pObject) {
    CNode* node = new CNode{{}, nullptr, m_pTail, pObject};
    (m_pTail != nullptr ? m_pTail->pNext : m_pHead) = node;
    m_pTail = node;
    ++m_nCount;
    return node;
}

CObject* CObList::GetNext(POSITION& pos) const {
    CNode* node = Node(pos);
    pos = node->pNext;
    return node->pObject;
}

POSITION CObList::Find(const CObject* pObject) const {
    for (CNode* node = m_pHead; node != nullptr; node = node->pNext) {
        if (node->pObject == pObject) {
            return node;
        }
    }
    return nullptr;
}

void CObList::RemoveAt(POSITION pos) {
    CNode* node = Node(pos);
    (node->pPrev != nullptr ? node->pPrev->pNext : m_pHead) = node->pNext;
    (node->pNext != nullptr ? node->pNext->pPrev : m_pTail) = node->pPrev;
    delete node;
    --m_nCount;
}

CObject* CObList::RemoveHead() {
    CObject* pObject = m_pHead->pObject;
    RemoveAt(m_pHead);
    return pObject;
}

CObject* CObList::RemoveTail() {
    CObject* pObject = m_pTail->pObject;
    RemoveAt(m_pTail);
    return pObject;
}

void CObList::RemoveAll() {
    while (m_pHead != nullptr) {
        RemoveAt(m_pHead);
    }
}
