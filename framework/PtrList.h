#pragma once
// CPtrList: a doubly-linked list of untyped pointers walked with POSITION values.
// The list does not own what the pointers point to.

#include "Object.h"

#include <windows.h>

struct __POSITION;
typedef __POSITION* POSITION;

class CPtrList : public CObject {
public:
    explicit CPtrList(INT_PTR nBlockSize = 10);
    ~CPtrList() override;

    INT_PTR GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // Head and tail of a list that must not be empty.
    void*& GetHead();
    void*& GetTail();

    POSITION AddHead(void* p);
    POSITION AddTail(void* p);
    void RemoveAll();

    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    // Return the element at pos and move pos to the next (previous) one, or NULL.
    void*& GetNext(POSITION& pos);
    void*& GetPrev(POSITION& pos);
    void*& GetAt(POSITION pos);

    // Position of the first element equal to p at or after startAfter, or NULL.
    POSITION Find(void* p, POSITION startAfter = NULL) const;

private:
    struct Node {
        Node* pNext;
        Node* pPrev;
        void* data;
    };

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
};
