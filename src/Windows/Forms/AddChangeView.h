#pragma once

#include "Button.h"
#include "EditorDrawer.h"
#include "EmptyViewJournal.h"
#include "OwnerKind.h"
#include "ScrollBar.h"
#include "Subscription.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CComboBoxItem;
class CEditItem;
class IJournalComponent;

// A form page: a painted property editor over a strip with save and cancel, and a vertical
// scroll bar when the rows do not fit. The form keeps its field texts in a value map between
// rebuilds; it hands them to the journal's handlers on save and never writes the journal itself.
class CAddChangeView : public CEmptyViewJournal, public ISubscriber
{
public:
    CAddChangeView(JournalState* state, IJournalComponent& journal, std::vector<std::int32_t> events);
    ~CAddChangeView() override;

    // Makes the rows from the value map and the view settings.
    virtual void BuildForm() = 0;
    // Copies each row's text back into the value map.
    virtual void CollectValues();
    // Reads the record into the value map; an add form has nothing to read.
    virtual void LoadValues() {}
    virtual void DrawPanel(CDC* dc, const RECT& panel);
    virtual std::u16string GetTitle() = 0;

    // A settings or hive change: keep what was typed, then rebuild the rows.
    void OnEvent() override;

    const std::map<int, std::u16string>& Values() const { return m_values; }
    CEditorDrawer& Editor() { return m_editor; }

    int OnCreate(CREATESTRUCT* create) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnSize(UINT type, int cx, int cy) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnVScroll(UINT code, UINT position, CScrollBar* scrollBar) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnSysKeyDown(UINT key, UINT repeat, UINT flags) override;

protected:
    // Hands the values to the journal; false keeps the form open with what was typed.
    virtual bool Save() = 0;
    // What the journal window shows after a save: the action and its record id.
    virtual std::pair<int, std::int32_t> NextAction() { return { ActionShowList, 0 }; }
    // Whether the form has a "save and next" button (Ctrl+Enter), and the form that opens after
    // such a save; without one, Ctrl+Enter saves as Save does.
    virtual bool OffersNext() const { return false; }
    virtual std::optional<std::pair<int, std::int32_t>> NextForm() const { return std::nullopt; }
    // Whether anything differs from what the form showed when it opened.
    virtual bool Changed() const { return m_values != m_opened; }

    // The rows of a form, added in display order; a keyed row is read back by CollectValues.
    void ClearForm();
    // The form's title, from GetTitle.
    void AddTitle();
    CEditItem* AddField(int key, std::int32_t labelId, int controlType, bool hidden = false);
    CComboBoxItem* AddChoice(int key, std::int32_t labelId, std::int32_t firstTextId, int count, bool hidden = false);
    // The section of the user's own fields of the owner kind, keys from firstKey; values the map
    // holds win over those stored in the group idRecord.
    void AddUserFields(OwnerKind owner, int firstKey, std::int32_t idRecord);
    // The user field values by field name, as the handlers take them.
    std::map<std::u16string, std::u16string> UserFieldValues() const;
    // Lays the rows out again after a rebuild and repaints.
    void Refresh();
    void EnableSave(bool enable);
    std::u16string Value(int key) const;
    // False, once the beekeeper was told, when the row of the key holds no name.
    bool NameGiven(int key);
    void SetValue(int key, const std::u16string& value) { m_values[key] = value; }
    std::int32_t TargetId() const { return m_targetId; }
    IJournalComponent& Journal() { return m_journal; }

private:
    void Layout();
    void ScrollTo(int position);
    void ScrollBy(int delta) { ScrollTo(m_scrollPosition + delta); }
    void Forward(UINT message, CPoint point, UINT flags);
    // A button press on the form (not its panel): focus to the row under it, then the press.
    void PressAt(UINT message, CPoint point, UINT flags);
    void Key(UINT key, UINT flags);
    void OnSave(bool next);
    // Back to the list; after a question when something was typed.
    void OnCancel(bool ask);

    IJournalComponent& m_journal;
    CEditorDrawer m_editor;
    std::map<int, std::u16string> m_values;
    std::map<int, std::u16string> m_opened;
    // The keyed rows; several forms give more than one row the same id, so reads go by key here.
    std::map<int, CEditorItem*> m_fields;
    // Key and field name of each user field, in display order.
    std::vector<std::pair<int, std::u16string>> m_userFields;
    std::int32_t m_targetId = 0;
    CButton m_save;
    CButton m_cancel;
    CButton m_saveNext;
    CScrollBar m_scrollBar;
    bool m_saveEnabled = true;
    CSubscription m_subscription;
    bool m_scrolls = false;
    int m_scrollPosition = 0;
};
