#pragma once

#include "BothLanguages.h"
#include "Brush.h"
#include "DatabaseManager.h"
#include "IComponent.h"
#include "ISetting.h"
#include "IVisualComponent.h"
#include "JournalCodes.h"
#include "JournalComponent.h"
#include "JournalHandlers.h"
#include "LanguageManager.h"
#include "MessageBox.h"
#include "OwnerKind.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "Registry.h"
#include "SettingsKeys.h"
#include "SettingsManager.h"
#include "StringIds.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "UiTest.h"
#include "ViewTable.h"
#include "VisualManager.h"
#include "WindowClass.h"
#include "WndImpl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

// Stands in for the journal window, the host of a page, recording the actions posted or sent to
// it; a sent delete gets `deleteDone` back, as the journal window answers whether the delete went
// through.
class CJournalWindowStandIn : public IVisualComponent, public CWnd, public CWndImpl
{
public:
    CJournalWindowStandIn()
        : CWndImpl(static_cast<CWnd&>(*this))
    {
    }

    void Release() override {}
    IWnd* GetButton() override { return nullptr; }
    void Show() override
    {
        static const std::u16string windowClass = AfxRegisterWndClass(0, nullptr, nullptr, nullptr);
        CreateEx(0, windowClass, u"journal", WS_VISIBLE, 0, 0, 1000, 700, nullptr, 0);
    }
    IWnd* GetWindow() override { return this; }
    void Redraw() override {}
    bool TakeLanguage() override { return true; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != JournalActionMessage)
            return CWnd::WindowProc(message, wParam, lParam);
        actions.emplace_back(static_cast<int>(wParam), static_cast<int>(lParam));
        return deleteDone ? 1 : 0;
    }

    std::vector<std::pair<int, int>> actions;
    bool deleteDone = true;
};

// Registers the stand-in under the journal's name, where the pages look for the journal window.
class CJournalStandInComponent : public IComponent
{
public:
    explicit CJournalStandInComponent(IVisualComponent* window)
        : m_window(window)
    {
    }

    void Release() override {}
    void Create() override {}
    std::u16string GetName() override { return GetLanguageManager()->GetString(StringId::JournalName); }
    std::int32_t GetNameId() override { return StringId::JournalName; }
    std::vector<ISetting*> GetSettings() override { return {}; }
    IVisualComponent* GetVisualComponent() override { return m_window; }

private:
    IVisualComponent* m_window;
};

// A fresh journal file, settings store and language folder; the journal component with its
// stores and view settings pages; the stand-in journal window to hold a page.
class TablePageTest : public BothLanguages
{
protected:
    // Values of the view settings, written before the pages read them.
    using SettingValues = std::vector<std::pair<std::u16string, std::u16string>>;

    TablePageTest()
        : m_settingsStore(FromPath(m_dir.Path() / "config"))
    {
        std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang");
        GetDatabaseManager()->Initialize();
    }

    ~TablePageTest() override
    {
        page.reset();
        GetSettingsManager()->Initialize({});
        if (journal)
            journal->Release();
        DeleteVisualManager();
    }

    // Stores the settings, then starts the journal component and the stand-in journal window.
    void Start(const std::u16string& keyPath, const SettingValues& values)
    {
        for (const auto& [name, value] : values)
            WriteRegistryString(value, keyPath, name);
        journal = new CJournalComponent();
        journal->Create();
        GetSettingsManager()->Initialize({ journal });
        GetVisualManager()->LoadComponents({ &journalStandIn });
        ChooseLanguage();
        GetLanguageManager()->Initialize();
        journalWindow.Show();
    }

    // Every check box of the page set to value.
    static SettingValues AllChecks(std::initializer_list<const char16_t*> names, const char16_t* value)
    {
        SettingValues values;
        for (const char16_t* name : names)
            values.emplace_back(name, value);
        return values;
    }

    // Creates the page's window in the host, prepared as the journal view would.
    template <class Page>
    Page* Show(int recordId = 0)
    {
        auto made = std::make_unique<Page>(&state);
        Page* shown = made.get();
        page = std::move(made);
        state.recordId = recordId;
        shown->Prepare();
        shown->Create(&host);
        UiTest::ProcessEvents();
        return shown;
    }

    static void AddUserField(OwnerKind owner, const std::u16string& name)
    {
        GetJournalHandlers()->userFields.Change(owner, {}, { { name, 1 } });
    }

    std::int32_t AddPoint(const std::u16string& name, FieldValues values = {})
    {
        PointData point;
        point.name = name;
        point.values = std::move(values);
        return journal->AddPoint(point);
    }

    std::int32_t AddFamily(std::int32_t idPoint, const std::u16string& name, FieldValues values = {})
    {
        FamilyData family;
        family.id_point = idPoint;
        family.name = name;
        family.values = std::move(values);
        return journal->AddFamily(family);
    }

    std::int32_t AddInspect(std::int32_t idFamily, std::int64_t date, std::vector<CJournalCache::HiveRow> hives = {})
    {
        InspectData inspect;
        inspect.record.id_family = idFamily;
        inspect.record.date = date;
        inspect.record.hives = std::move(hives);
        return journal->AddInspect(inspect) ? inspect.id_journal : 0;
    }

    // Texts of the grid's column headers, in order.
    static std::vector<int> ColumnIds(CTableDrawer& grid)
    {
        std::vector<int> ids;
        for (const auto& header : grid.Headers())
            ids.push_back(header->ColumnId());
        return ids;
    }

    static std::vector<std::u16string> Column(CTableDrawer& grid, int columnId)
    {
        std::vector<std::u16string> texts;
        for (const auto& row : grid.Rows())
            texts.push_back(grid.GetCellText(row.get(), columnId));
        return texts;
    }

    // Clicks the middle of the grid's row (0-based) in the page, once the page shows its rows.
    static void ClickRow(CWnd* page, CTableGrid& grid, int index)
    {
        UiTest::ProcessEvents();
        const CRect area = grid.Area();
        UiTest::Click(page, area.left + 5, area.top + grid.Drawer().BarHeight() + index * DefaultRowHeight + 20);
    }

    static void ClickButton(CWnd* page, int id)
    {
        CWnd* button = page->GetDlgItem(id);
        ASSERT_NE(button, nullptr);
        UiTest::Click(button, 10, 10);
    }

    static std::u16string Text(std::int32_t id) { return GetLanguageManager()->GetString(id); }

    TempWorkDir m_dir;
    RegistryRootOverride m_settingsStore;
    MessageBoxResponder boxes;
    CJournalComponent* journal = nullptr;
    CJournalWindowStandIn journalWindow;
    CJournalStandInComponent journalStandIn { &journalWindow };
    JournalState state;
    std::unique_ptr<CViewTable> page;
    CWnd& host = journalWindow;
};
