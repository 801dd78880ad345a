#pragma once

#include "DatabaseManager.h"
#include "EventManager.h"
#include "JournalHandlers.h"
#include "JournalStores.h"
#include "MessageBox.h"
#include "StorageErrorBoxes.h"
#include "TempWorkDir.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

// Records every event in the order it arrives.
class EventLog
{
public:
    EventLog()
    {
        for (std::int32_t event = EventPointsChanged; event <= EventHousingsChanged; ++event) {
            m_listeners.push_back(std::make_unique<Listener>(this, event));
            GetEventManager()->Subscribe(m_listeners.back().get(), event);
        }
    }
    ~EventLog()
    {
        for (const auto& listener : m_listeners)
            GetEventManager()->Unsubscribe(listener.get(), listener->event);
    }
    std::vector<std::int32_t> events;

private:
    struct Listener : ISubscriber
    {
        Listener(EventLog* log, std::int32_t event)
            : log(log)
            , event(event)
        {
        }
        void OnEvent() override { log->events.push_back(event); }
        EventLog* log;
        std::int32_t event;
    };
    std::vector<std::unique_ptr<Listener>> m_listeners;
};

inline std::int32_t Count(const char16_t* sql)
{
    CDatabaseLease database;
    RowList rows;
    database->ExecRequest(rows, sql);
    return rows.empty() ? -1 : WToI(rows[0][0].second);
}

inline void Exec(const std::u16string& sql)
{
    CDatabaseLease database;
    RowList rows;
    database->ExecRequest(rows, sql);
}

// A fresh journal with its stores loaded, and the handlers that change it.
class HandlersFixture : public testing::Test
{
protected:
    HandlersFixture()
    {
        GetDatabaseManager()->Initialize();
        m_file.emplace();
        LoadJournalStores(m_file->get());
    }

    std::int32_t AddPoint(const std::u16string& name)
    {
        PointData point;
        point.name = name;
        return journal.sites.Add(point);
    }

    std::int32_t AddFamily(std::int32_t idPoint, const std::u16string& name)
    {
        FamilyData family;
        family.id_point = idPoint;
        family.name = name;
        return journal.colonies.Add(family);
    }

    std::int32_t AddInspect(std::int32_t idFamily)
    {
        InspectData inspect;
        inspect.record.id_family = idFamily;
        inspect.record.date = 1273190400;
        return journal.records.Add(inspect);
    }

    TempWorkDir dir;
    MessageBoxResponder boxes;
    StorageErrorBoxes storageErrors;
    CJournalHandlers& journal = *GetJournalHandlers();

private:
    // The journal stays open through the test, as the journal component keeps it.
    std::optional<CDatabaseLease> m_file;
};
