#pragma once

#include "WinDefs.h"

#include <deque>
#include <string>
#include <vector>

class CWnd;

// A modal message box. Returns IDOK, IDCANCEL, IDYES or IDNO.
int MessageBoxW(CWnd* owner, const std::u16string& text, const std::u16string& caption, UINT type);

// The framework's message box: the application's name as its title.
int AfxMessageBox(const std::u16string& text, UINT type = MB_OK);

// While a responder is installed, message boxes do not appear: each call is recorded and answered
// from the scripted answers (in order), or with the box's first button when none are left.
class MessageBoxResponder
{
public:
    struct Call
    {
        std::u16string text;
        std::u16string caption;
        UINT type = 0;
    };

    MessageBoxResponder();
    ~MessageBoxResponder();
    MessageBoxResponder(const MessageBoxResponder&) = delete;
    MessageBoxResponder& operator=(const MessageBoxResponder&) = delete;

    void Answer(int result) { m_answers.push_back(result); }
    const std::vector<Call>& Calls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }

    static MessageBoxResponder* Current();
    int Respond(const std::u16string& text, const std::u16string& caption, UINT type);

private:
    std::deque<int> m_answers;
    std::vector<Call> m_calls;
    MessageBoxResponder* m_previous;
};
