#include "ComboBoxItem.h"

#include "ComboBoxDraw.h"

CComboBoxItem::CComboBoxItem(std::u16string caption, int id)
    : CEditItem(std::move(caption), id, nullptr, EditList)
{
    SetControl(std::make_unique<CComboBoxDraw>(this));
}

CComboBoxDraw* CComboBoxItem::List() const
{
    return static_cast<CComboBoxDraw*>(Control());
}

void CComboBoxItem::AddString(int key, const std::u16string& text)
{
    List()->Append(key, text);
}

void CComboBoxItem::AddFirstString(const std::u16string& text)
{
    List()->InsertFirst(text);
}

void CComboBoxItem::SelectKey(int key)
{
    List()->SelectKey(key);
}

void CComboBoxItem::SortByText()
{
    List()->SortByText();
}
