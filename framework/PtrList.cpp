#include "PtrList.h"

CPtrList::CPtrList(INT_PTR /*nBlockSize*/) {}

CPtrList::~CPtrList()
{
    RemoveAll();
}

void*& CPtrList::GetHead()
{
    return m_pHead->data;
}

void*& CPtrList::GetTail()
{
    return m_pTail->data;
}

POSITION CPtrList::AddHead(void* p)
{
    Node* node = new Node{m_pHead, nullptr, p};
    if (m_pHead) m_pHead->pPrev = node; else m_pTail = node;
    m_pHead = node;
    ++m_nCount;
    return reinterpret_cast<POSITION>(node);
}

POSITION CPtrList::AddTail(void* p)
{
    Node* node = new Node{nullptr, m_pTail, p};
    if (m_pTail) m_pTail->pNext = node; else m_pHead = node;
    m_pTail = node;
    ++m_nCount;
    return reinterpret_cast<POSITION>(node);
}

void CPtrList::RemoveAll()
{
    for (Node* node = m_pHead; node;) {
        Node* next = node->pNext;
        delete node;
        node = next;
    }
    m_pHead = m_pTail = nullptr;
    m_nCount = 0;
}

POSITION CPtrList::GetHeadPosition() const
{
    return reinterpret_cast<POSITION>(m_pHead);
}

POSITION CPtrList::GetTailPosition() const
{
    return reinterpret_cast<POSITION>(m_pTail);
}

void*& CPtrList::GetNext(POSITION& pos)
{
    Node* node = reinterpret_cast<Node*>(pos);
    pos = reinterpret_cast<POSITION>(node->pNext);
    return node->data;
}

void*& CPtrList::GetPrev(POSITION& pos)
{
    Node* node = reinterpret_cast<Node*>(pos);
    pos = reinterpret_cast<POSITION>(node->pPrev);
    return node->data;
}

void*& CPtrList::GetAt(POSITION pos)
{
    return reinterpret_cast<Node*>(pos)->data;
}

POSITION CPtrList::Find(void* p, POSITION startAfter) const
{
    Node* node = startAfter ? reinterpret_cast<Node*>(startAfter)->pNext : m_pHead;
    for (; node; node = node->pNext)
        if (node->data == p) return reinterpret_cast<POSITION>(node);
    return NULL;
}
