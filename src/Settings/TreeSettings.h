#pragma once

#include "Bitmap.h"
#include "CommonListBox.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CFont;

// The page list of the settings window, drawn as a tree: top-level pages with a picture, the
// pages below them indented. A double click on a top-level page folds or unfolds its pages.
class CTreeSettings : public CCommonListBox
{
public:
    struct Page
    {
        std::u16string caption;
        bool topLevel = false;
    };

    // `mayLeave` is asked before the selection moves; `selected` hears of every new selection.
    CTreeSettings(std::function<bool()> mayLeave, std::function<void(const std::u16string&)> selected);
    ~CTreeSettings() override;

    BOOL Create(const RECT& rect, CWnd* parent, UINT id, std::vector<Page> pages);
    // The caption of the selected page, empty when none is.
    std::u16string SelectedCaption() const;
    // New captions for the pages, in their order; the selection and folding stay.
    void Retitle(const std::vector<std::u16string>& captions);

    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnSetFocus(CWnd* oldWindow) override;

private:
    void Fill();
    void Select(int index);
    const Page& PageAt(int index) const { return m_pages[static_cast<std::size_t>(GetItemData(index))]; }

    std::function<bool()> m_mayLeave;
    std::function<void(const std::u16string&)> m_selected;
    std::vector<Page> m_pages;
    // Per page: hidden because its top-level page is folded.
    std::vector<bool> m_folded;
    std::unique_ptr<CFont> m_boldFont;
    std::unique_ptr<CFont> m_normalFont;
    CBitmap m_picture;
};
