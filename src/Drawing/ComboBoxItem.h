#pragma once

#include "EditItem.h"

class CComboBoxDraw;

// A form row choosing one entry of a list; its value is the chosen entry's key.
class CComboBoxItem : public CEditItem
{
public:
    CComboBoxItem(std::u16string caption, int id);

    void AddString(int key, const std::u16string& text);
    void AddFirstString(const std::u16string& text);
    void SelectKey(int key);
    void SortByText();
    CComboBoxDraw* List() const;
};
