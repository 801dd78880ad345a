#pragma once

#include "BothLanguages.h"
#include "DatabaseManager.h"
#include "Dialog.h"
#include "JournalComponent.h"
#include "JournalHandlers.h"
#include "LanguageManager.h"
#include "MessageBox.h"
#include "QueenBeeCache.h"
#include "StorageErrorBoxes.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "TreeCtrl.h"
#include "UiTest.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

// A journal in a fresh Journal.db of a temporary working directory, with the language files, and
// helpers that read its rows back and drive dialogs as a user would.
class JournalFixture : public BothLanguages
{
protected:
    JournalFixture()
    {
        std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang",
            std::filesystem::copy_options::recursive);
        GetDatabaseManager()->Initialize();
        journal.Create();
        ChooseLanguage();
        GetLanguageManager()->Initialize();
    }
    ~JournalFixture() override { DeleteLanguageManager(); }

    static std::u16string Text(std::int32_t id) { return GetLanguageManager()->GetString(id); }

    // The first column of the first row, or "none" when there is no row.
    static std::u16string Value(const std::u16string& sql)
    {
        CDatabaseLease database;
        RowList rows;
        database->ExecRequest(rows, sql);
        return rows.empty() ? u"none" : rows[0][0].second;
    }
    static std::int32_t Number(const std::u16string& sql) { return WToI(Value(sql)); }

    std::int32_t AddPoint(const std::u16string& name)
    {
        PointData point;
        point.name = name;
        return journal.AddPoint(point);
    }

    std::int32_t AddFamily(std::int32_t idPoint, const std::u16string& name)
    {
        FamilyData family;
        family.id_point = idPoint;
        family.name = name;
        return journal.AddFamily(family);
    }

    std::int32_t AddHousing(const std::u16string& name, std::int32_t idFamily = 0, std::int32_t type = 0,
        std::int32_t frame = 0)
    {
        HousingRecord housing;
        housing.name = name;
        housing.id_family = idFamily;
        housing.type_housing = type;
        housing.type_frame = frame;
        return journal.AddHousing(housing);
    }

    static std::int32_t AddQueen(const std::u16string& name, std::int32_t idFamily, std::int32_t idMother = 0,
        std::int64_t date = 1685577600)
    {
        CQueenBeeCache::QueenBee queen;
        queen.name = name;
        queen.id_family = idFamily;
        queen.date = date;
        const std::int32_t id = GetJournalHandlers()->queens.Add(queen);
        if (idMother != 0)
            GetJournalHandlers()->queens.SetParent(id, idMother);
        return id;
    }

    // Opens the item's branch and clicks the item's text.
    static void ClickItem(CTreeCtrl* tree, HTREEITEM item)
    {
        for (HTREEITEM parent = tree->GetParentItem(item); parent; parent = tree->GetParentItem(parent))
            tree->Expand(parent, TVE_EXPAND);
        UiTest::ProcessEvents();
        RECT place {};
        ASSERT_TRUE(tree->GetItemRect(item, &place, TRUE));
        UiTest::Click(tree, (place.left + place.right) / 2, (place.top + place.bottom) / 2);
    }

    static void ClickButton(CWnd* dialog, UINT id) { UiTest::Click(dialog->GetDlgItem(static_cast<int>(id)), 5, 5); }

    // Replaces the edit's text by typing.
    static void Type(CWnd* edit, const std::u16string& text)
    {
        edit->SetWindowText(u"");
        UiTest::TypeText(edit, text);
    }

    TempWorkDir dir;
    RegistryRootOverride settingsStore { FromPath(dir.Path() / "config") };
    MessageBoxResponder boxes;
    StorageErrorBoxes storageErrors;
    DialogResponder dialogs;
    CJournalComponent journal;
};
