#pragma once

#include <cstdint>
#include <string>

class CWnd;
class IPrintablePage;
class IViewJournal;

// The print button of the journal window: the preview of the current page on the printer chosen
// in the main settings (the system default when none is stored), with its PDF button. A page that
// cannot be printed (a form) says so.
void PrintJournalPage(IViewJournal* page, CWnd* parent);
// The preview of a printout, as the print button shows a page's.
void PreviewPrintout(IPrintablePage& content, CWnd* parent);

// A printout's title with ": " and the site's name, or the colony's with its site's in brackets;
// the title alone for an unknown one.
std::u16string TitleWithSite(std::u16string title, std::int32_t idPoint);
std::u16string TitleWithColony(std::u16string title, std::int32_t idFamily);
