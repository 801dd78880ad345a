#pragma once

#include "KeyProcess.h"

// The key commands of the painted controls. Each acts on the control classes it knows and leaves
// any other control alone (not handled).

class CArrawLeft : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

class CArrawRight : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

class CArrawUp : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

class CArrawDown : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

class CShiftArrawLeft : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

class CShiftArrawRight : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

class CShiftArrawUp : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

class CShiftArrawDown : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

class CBackSpace : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

class CDelete : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

class CEnter : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

class CSpace : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

// Ctrl+C: the selection, or the whole text when nothing is selected, onto the clipboard.
class CCopy : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

// Ctrl+V: the clipboard's text typed in one character at a time, so the control's filter applies.
class CPaste : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

// Any key: the character it types. It matches everything, so it goes last.
// Home and End move the caret to the start or the end of the text; with Shift they extend the
// selection there.
class CHomeEnd : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;

private:
    bool m_end = false;
    bool m_extend = false;
};

// Ctrl+A selects the whole text.
class CSelectAll : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;
};

class CCharKey : public CKeyProcess
{
public:
    using CKeyProcess::CKeyProcess;
    bool Matches(UINT key, UINT flags) override;
    bool Execute() override;

private:
    UINT m_lastKey = 0;
};
