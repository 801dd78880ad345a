#pragma once

#include "ImageList.h"
#include "ToolBar.h"

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A tool bar of 32 x 32 true-colour buttons (four unless a bar says otherwise) with tooltips.
// A concrete bar says which commands its buttons carry and how it is created.
class CTrueColorToolBar : public CToolBar
{
public:
    static constexpr int kButtonCount = 4;
    static constexpr int kImageSize = 32;

    explicit CTrueColorToolBar(int idCount = kButtonCount);
    ~CTrueColorToolBar() override;

    // Loads the bitmap strips, one after another, into a masked image list (white is
    // transparent) and hands it to the bar with message (TB_SETIMAGELIST or
    // TB_SETDISABLEDIMAGELIST).
    BOOL LoadButtonImages(UINT message, std::initializer_list<int> bitmapResources);

    int OnCreate(CREATESTRUCT* create) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    virtual void FillButtons(UINT* ids, std::map<UINT, std::u16string>& tooltips) = 0;
    virtual BOOL CreateBar(CWnd* parent) = 0;

protected:
    std::unique_ptr<UINT[]> m_ids;
    std::map<UINT, std::u16string> m_tooltips;

private:
    std::vector<std::unique_ptr<CImageList>> m_imageLists;
};
