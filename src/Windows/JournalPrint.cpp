#include "JournalPrint.h"

#include "IPrintableView.h"
#include "IViewJournal.h"
#include "LanguageManager.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "PrintJob.h"
#include "PrintSheets.h"
#include "Registry.h"
#include "StringIds.h"

std::u16string TitleWithSite(std::u16string title, std::int32_t idPoint)
{
    if (const CPointFamilyCache::Point* site = GetPointFamilyCache()->FindPoint(idPoint))
        title += u": " + site->name;
    return title;
}

std::u16string TitleWithColony(std::u16string title, std::int32_t idFamily)
{
    const CPointFamilyCache* cache = GetPointFamilyCache();
    if (const CPointFamilyCache::Family* colony = cache->FindFamily(idFamily)) {
        title += u": " + colony->name;
        if (const CPointFamilyCache::Point* site = cache->FindPoint(colony->id_point))
            title += u" (" + site->name + u")";
    }
    return title;
}

void PrintJournalPage(IViewJournal* page, CWnd* parent)
{
    const ILanguageManager* language = GetLanguageManager();
    auto* printable = dynamic_cast<IPrintableView*>(page);
    if (!printable) {
        MessageBoxW(parent, language->GetString(StringId::PrintNothingOnPage), language->GetString(StringId::ToolbarPrint),
            MB_OK | MB_ICONINFORMATION);
        return;
    }
    PreviewPrintout(*printable->PrintablePage(), parent);
}

void PreviewPrintout(IPrintablePage& content, CWnd* parent)
{
    const ILanguageManager* language = GetLanguageManager();
    CPrintSheets sheets(content);
    CPrintJob job(sheets, content.Title(), parent);
    job.SetPrinter(ReadRegistryString(u"combo_printer", kMainSettingsKey));
    job.Preview({ language->GetString(StringId::PrintSavePdf), language->GetString(StringId::PrintPdfTitle),
        language->GetString(StringId::PrintPdfFilter), language->GetString(StringId::PrintPdfFailed) });
}
