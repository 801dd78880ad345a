#pragma once

class CNativeWindow;

// A window object. The object owns its native window, which can be created, destroyed and
// created again while the object lives.
class CWnd
{
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    bool IsCreated() const { return m_native != nullptr; }
    CNativeWindow* Native() const { return m_native; }

protected:
    CNativeWindow* m_native = nullptr;
};
