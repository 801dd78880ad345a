#pragma once

#include "AddChangeView.h"
#include "BothLanguages.h"
#include "DatabaseManager.h"
#include "EditorItem.h"
#include "ISetting.h"
#include "JournalCodes.h"
#include "JournalComponent.h"
#include "LanguageManager.h"
#include "MessageBox.h"
#include "Registry.h"
#include "SettingsManager.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "UiTest.h"
#include "WindowClass.h"
#include "Wnd.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

// Stands in for the journal window: the parent of a form page, recording the actions posted to it.
class CFormHost : public CWnd
{
public:
    BOOL CreateShown(int width, int height)
    {
        static const std::u16string name = [] {
            WNDCLASS windowClass;
            windowClass.lpszClassName = u"TolvikFormHostWindow";
            windowClass.hCursor = LoadCursor(IDC_ARROW);
            RegisterClass(windowClass);
            return windowClass.lpszClassName;
        }();
        return CreateEx(0, name, u"journal", WS_VISIBLE, 10, 10, width, height, nullptr, 0);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == JournalActionMessage)
            actions.emplace_back(static_cast<int>(wParam), static_cast<std::int32_t>(lParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }

    std::vector<std::pair<int, std::int32_t>> actions;
};

// A journal in a temporary working directory with its settings, stores and language files, and a
// host window for one form at a time.
class FormFixture : public BothLanguages
{
protected:
    FormFixture()
    {
        std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang");
        GetDatabaseManager()->Initialize();
        journal.Create();
        GetSettingsManager()->Initialize({ &journal });
        ChooseLanguage();
        GetLanguageManager()->Initialize();
    }
    ~FormFixture() override
    {
        host.DestroyWindow();
        DeleteLanguageManager();
    }

    // Opens the page in the host as the journal view does: prepare, then create.
    void Open(CEmptyViewJournal& page, std::int32_t recordId, int height = 1500, int width = 1000)
    {
        if (!host.IsCreated())
            host.CreateShown(width, height);
        state.recordId = recordId;
        page.Prepare();
        page.Create(&host);
        UiTest::ProcessEvents();
    }

    // The first row with the id: a record's own rows come before its hive lines, whose keys
    // (line x 256 + 1 to 5) line 0 shares with them.
    static CEditorItem* Row(CAddChangeView& page, int id)
    {
        for (const auto& item : page.Editor().Items()) {
            if (item->Id() == id)
                return item.get();
        }
        return nullptr;
    }

    static CEditorItem* LastRow(CAddChangeView& page, int id)
    {
        CEditorItem* found = nullptr;
        for (const auto& item : page.Editor().Items()) {
            if (item->Id() == id)
                found = item.get();
        }
        return found;
    }

    // Clicks the value half of the row and types the text after what it holds.
    static void Type(CAddChangeView& page, int id, const std::u16string& text) { Type(page, Row(page, id), text); }
    static void Type(CAddChangeView& page, CEditorItem* row, const std::u16string& text)
    {
        ASSERT_NE(row, nullptr);
        UiTest::Click(&page, row->Width() * 3 / 4, row->GetTop() + 4);
        UiTest::TypeText(&page, text);
        UiTest::ProcessEvents();
    }

    // Presses the push button painted at the right end of a section row.
    static void PressSection(CAddChangeView& page, CEditorItem* section)
    {
        ASSERT_NE(section, nullptr);
        UiTest::Click(&page, section->Width() - 50, section->GetTop() + 5);
        UiTest::ProcessEvents(20);
    }

    static void PressButton(CWnd& page, int id)
    {
        UiTest::Click(page.GetDlgItem(id), 5, 5);
        UiTest::ProcessEvents(20);
    }

    static RowList Rows(const std::u16string& sql)
    {
        CDatabaseLease database;
        RowList rows;
        database->ExecRequest(rows, sql);
        return rows;
    }

    static std::u16string Text(std::int32_t id) { return GetLanguageManager()->GetString(id); }

    // Sets a view settings check box as the settings window does, which fires its event.
    static void SetViewSetting(std::int32_t captionId, const std::u16string& name, const std::u16string& value)
    {
        ISetting* page = GetSettingsManager()->FindSetting(Text(captionId));
        ASSERT_NE(page, nullptr);
        page->SetValue(name, value);
        page->Apply();
    }

    TempWorkDir dir;
    RegistryRootOverride settingsStore { FromPath(dir.Path() / "config") };
    MessageBoxResponder boxes;
    CJournalComponent journal;
    JournalState state;
    CFormHost host;
};
