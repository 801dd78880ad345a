#pragma once

#include <memory>

// The root interface of objects handed across subsystems: Release destroys the object.
class IBase
{
public:
    virtual void Release() = 0;

protected:
    virtual ~IBase() = default;
};

// Owns an object that is given back with Release rather than delete.
template <class T>
struct ReleaseDeleter
{
    void operator()(T* object) const
    {
        if (object)
            object->Release();
    }
};

template <class T>
using ReleasePtr = std::unique_ptr<T, ReleaseDeleter<T>>;
