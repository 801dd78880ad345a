#pragma once

#include "Font.h"
#include "Wnd.h"

#include <functional>
#include <memory>
#include <vector>

constexpr DWORD DS_SETFONT = 0x0040;
constexpr DWORD DS_MODALFRAME = 0x0080;

// A control of a dialog template; position and size in dialog units.
struct DialogItemTemplate
{
    std::u16string className; // "BUTTON", "EDIT", "STATIC", "COMBOBOX", "LISTBOX", "SysTreeView32" ...
    UINT id = 0;
    std::u16string text;
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

// A dialog given as data: its client size in dialog units, its font and its controls.
struct DialogTemplate
{
    std::u16string caption;
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    int cx = 0;
    int cy = 0;
    std::u16string fontFace = u"MS Shell Dlg";
    int pointSize = 8;
    std::vector<DialogItemTemplate> items;
};

// A modal dialog from a template. Its pixel layout follows from the dialog font's base units:
// x pixels = x units × average character width / 4, y pixels = y units × character height / 8.
// The template's controls are made as the matching control classes (CButton, CEdit ...), reached
// with GetDlgItem; SubclassDlgItem gives one to an object of the program's own class. Enter gives
// IDOK and Escape IDCANCEL, as WM_COMMAND.
class CDialog : public CWnd
{
public:
    explicit CDialog(DialogTemplate dialogTemplate, CWnd* parent = nullptr);
    // The executable's template of that resource number (DialogTemplates.h).
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Shows the dialog and returns the EndDialog result once it ends (-1 without a template).
    virtual std::intptr_t DoModal();
    void EndDialog(int result);
    bool IsEnded() const { return m_ended; }

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnClose() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Dialog units to pixels with this dialog's font.
    void MapDialogRect(RECT* rect) const;
    CFont* GetDialogFont() { return &m_font; }

private:
    CDialog(const DialogTemplate* found, CWnd* parent);

    DialogTemplate m_template;
    bool m_hasTemplate = true;
    CWnd* m_parentWindow;
    CFont m_font;
    std::vector<std::unique_ptr<CWnd>> m_controls;
    int m_result = IDCANCEL;
    bool m_ended = false;
    void* m_loop = nullptr;
};

// While installed, modal dialogs do not wait for a user: each DoModal runs the next scripted
// action on the shown dialog (which may drive it and call EndDialog); a dialog still open
// afterwards ends with IDCANCEL.
class DialogResponder
{
public:
    using Action = std::function<void(CDialog& dialog)>;

    DialogResponder();
    ~DialogResponder();
    DialogResponder(const DialogResponder&) = delete;
    DialogResponder& operator=(const DialogResponder&) = delete;

    void Then(Action action) { m_actions.push_back(std::move(action)); }
    int Count() const { return m_count; }

    static DialogResponder* Current();
    void Respond(CDialog& dialog);

private:
    std::vector<Action> m_actions;
    int m_count = 0;
    DialogResponder* m_previous;
};
