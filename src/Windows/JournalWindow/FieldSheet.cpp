#include "FieldSheet.h"

#include "Calendar.h"
#include "CareWords.h"
#include "ColonyCare.h"
#include "ColonyEventCache.h"
#include "JournalCache.h"
#include "JournalColumns.h"
#include "ItemTable.h"
#include "JournalPrint.h"
#include "MarkingColour.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "StringIds.h"
#include "TableDrawer.h"
#include "TablePrint.h"
#include "TaskCache.h"
#include "TaskWords.h"
#include "Text.h"
#include "Tr.h"
#include "VarroaThresholds.h"

#include <algorithm>
#include <functional>

namespace {
// Tasks due up to a week ahead go with the sheet: the visit may be on any day of it.
constexpr std::int32_t kTaskDaysAhead = 7;
// Room to write by hand: a row's height and an empty column's width, in pixels on screen.
constexpr int kHandwrittenRowHeight = 34;
constexpr int kBlankColumnWidth = 50;
constexpr int kNotesColumnWidth = 120;
// Texts wrap between words, so a column is as wide as its widest word and this.
constexpr int kColumnAir = 16;
// Columns of sentences are kept from turning into a word per line.
constexpr int kSentenceColumnWidth = 90;
constexpr int kTasksColumnWidth = 140;
// Captions are bold.
constexpr int kCaptionAir = 24;

struct Colony
{
    std::int32_t id;
    const CPointFamilyCache::Family& family;
    const CJournalCache::Record* latest;
    const CQueenBeeCache::QueenBee* queen;
    std::int64_t day;
    const MiteThresholds& thresholds;
};

struct Column
{
    std::int32_t caption;
    int type;
    std::function<std::u16string(const Colony&)> text;
    int leastWidth = 0;
};

std::u16string HiveTotal(const CJournalCache::Record* record, std::int32_t CJournalCache::HiveRow::*field)
{
    return record ? IntToText(SumOfHives(*record, field)) : std::u16string();
}

std::u16string DueTasksText(const Colony& colony)
{
    std::u16string text;
    for (const Task* task : OpenTasksOf(GetTaskCache()->Tasks(), colony.id, std::nullopt, DaysAfter(colony.day, kTaskDaysAhead)))
        text += (text.empty() ? u"" : u"\n") + task->title + u" (" + FormatDateText(task->due) + u")";
    return text;
}

const std::vector<Column>& FilledColumns()
{
    static const std::vector<Column> columns {
        { StringId::FamilyNameField, ColumnText, [](const Colony& c) { return c.family.name; } },
        { StringId::LastRecordColumn, ColumnDate,
            [](const Colony& c) { return c.latest ? FormatDateText(c.latest->date) : std::u16string(); } },
        { StringId::FramesField, ColumnInteger,
            [](const Colony& c) { return c.latest ? IntToText(c.latest->frame) : std::u16string(); } },
        { StringId::StrengthField, ColumnInteger,
            [](const Colony& c) { return c.latest ? IntToText(c.latest->strength) : std::u16string(); } },
        { StringId::BroodField, ColumnInteger,
            [](const Colony& c) { return HiveTotal(c.latest, &CJournalCache::HiveRow::brood); } },
        { StringId::HoneyField, ColumnInteger,
            [](const Colony& c) { return HiveTotal(c.latest, &CJournalCache::HiveRow::honey); } },
        { StringId::QueenColumn, ColumnText,
            [](const Colony& c) {
                if (!c.queen)
                    return std::u16string();
                const int born = YearOf(c.queen->date);
                return c.queen->name + u"\n" + IntToText(born) + u", " + MarkingColourWord(born);
            } },
        { StringId::VarroaColumn, ColumnText, [](const Colony& c) { return VarroaMarkOf(c.id, c.day, c.thresholds).text; },
            kSentenceColumnWidth },
        { StringId::TasksDueColumn, ColumnText, DueTasksText, kTasksColumnWidth },
    };
    return columns;
}

constexpr std::int32_t kBlankColumns[] = { StringId::FieldQueenSeen, StringId::FieldEggs, StringId::FieldStores,
    StringId::FieldTemper, StringId::FieldNotes };

// The colony's living queen, the latest born when there are two.
const CQueenBeeCache::QueenBee* LivingQueenOf(std::int32_t idFamily)
{
    const CQueenBeeCache* queens = GetQueenBeeCache();
    const CQueenBeeCache::QueenBee* living = nullptr;
    for (const auto& [id, queen] : queens->QueensOf(idFamily)) {
        if (!queen.is_dead && (!living || queen.date > living->date))
            living = queens->FindQueenBee(id);
    }
    return living;
}

// Layout ids of the sheet's columns, apart from every other grid's.
constexpr int kFirstColumnId = 1500;

int WidestWord(const std::u16string& text, CFont* font)
{
    int widest = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(u" \n", start), text.size());
        if (end > start)
            widest = std::max(widest, static_cast<int>(CItemTable::WrappedSize(text.substr(start, end - start), 0, font).cx));
        start = end + 1;
    }
    return widest;
}

// Each column as wide as its widest word, so that the sheet fits the paper without cutting one.
void FitColumnsToWords(CTableDrawer& grid, const std::vector<int>& leastWidths)
{
    std::vector<int> widths;
    for (std::size_t index = 0; index < grid.Headers().size(); ++index)
        widths.push_back(std::max(leastWidths[index], WidestWord(grid.Headers()[index]->Text(), grid.Font()) + kCaptionAir));
    for (const auto& row : grid.Rows()) {
        for (const auto& cell : row->cells) {
            const std::size_t column = grid.ColumnIndexOf(cell->header);
            widths[column] = std::max(widths[column], WidestWord(cell->Text(), grid.Font()) + kColumnAir);
        }
    }
    for (std::size_t index = 0; index < widths.size(); ++index)
        grid.Headers()[index]->SetDraggedWidth(widths[index]);
}
}

void FillFieldSheet(CTableDrawer& grid, std::int32_t idPoint, std::int64_t day)
{
    grid.Clear();
    std::vector<CTableHeader*> headers;
    std::vector<int> leastWidths;
    int columnId = kFirstColumnId;
    for (const Column& column : FilledColumns()) {
        headers.push_back(grid.AddHeader(Tr(column.caption), columnId++, column.type));
        leastWidths.push_back(column.leastWidth);
    }
    for (std::int32_t caption : kBlankColumns) {
        headers.push_back(grid.AddHeader(Tr(caption), columnId++, ColumnText));
        leastWidths.push_back(caption == StringId::FieldNotes ? kNotesColumnWidth : kBlankColumnWidth);
    }
    const MiteThresholds thresholds = SavedMiteThresholds();
    for (std::int32_t id : GetPointFamilyCache()->FamiliesOf(idPoint)) {
        const CPointFamilyCache::Family* family = GetPointFamilyCache()->FindFamily(id);
        if (!family || GetColonyEventCache()->HasEnded(id))
            continue;
        const Colony colony { id, *family, GetJournalCache()->LatestRecordOf(id), LivingQueenOf(id), day, thresholds };
        auto row = CTableDrawer::NewRow(id, 0);
        TableRow* added = row.get();
        for (std::size_t index = 0; index < headers.size(); ++index) {
            const bool filled = index < FilledColumns().size();
            grid.AddCell(added, filled ? FilledColumns()[index].text(colony) : std::u16string(), headers[index]);
        }
        grid.AddRow(std::move(row));
        grid.SetRowHeight(added, kHandwrittenRowHeight);
    }
    FitColumnsToWords(grid, leastWidths);
    grid.LayoutHeaders();
}

void PrintFieldSheet(std::int32_t idPoint, CWnd* parent)
{
    CTableDrawer grid(parent);
    FillFieldSheet(grid, idPoint, CurrentTime());
    CTablePrint content(TitleWithSite(Tr(StringId::FieldSheetTitle), idPoint), true);
    content.AddTable(grid, {});
    PreviewPrintout(content, parent);
}
