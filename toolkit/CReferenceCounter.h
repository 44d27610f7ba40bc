// Shared ownership for bitmaps and views: the creator holds the first reference.
#pragma once

#include <cstdint>

class CReferenceCounter
{
public:
    CReferenceCounter() = default;
    CReferenceCounter(const CReferenceCounter&) = delete;
    CReferenceCounter& operator=(const CReferenceCounter&) = delete;
    virtual ~CReferenceCounter() = default;

    void remember() { ++references; }
    // Deletes the object when the last reference goes.
    void forget()
    {
        if (--references == 0)
            delete this;
    }

private:
    int32_t references = 1;
};
