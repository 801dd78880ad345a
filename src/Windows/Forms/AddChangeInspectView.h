#pragma once

#include "AddChangeView.h"
#include "HousingPicker.h"
#include "JournalData.h"

#include <array>

// The inspection form: the visit's fields, one section per hive with its measurements, and the
// user's record fields. A record is saved only with at least one hive line.
class CAddChangeInspectView : public CAddChangeView
{
public:
    enum HiveStatus : int
    {
        HiveAdded = 1,
        HiveExisting = 2,
        HiveRemoved = 3,
    };
    struct HiveLine
    {
        InspectHousing hive;
        int status = HiveExisting;

        bool operator==(const HiveLine&) const = default;
    };

    CAddChangeInspectView(JournalState* state, IJournalComponent& journal, HousingPicker pickHousing);

    void BuildForm() override;
    void CollectValues() override;
    // Reads the hive lines; a change form reads its record first.
    void LoadValues() override;
    virtual void LoadHives() = 0;
    // The colony whose record the form holds.
    virtual std::int32_t ColonyId() const = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    const std::vector<HiveLine>& Hives() const { return m_hives; }

protected:
    enum Key : int
    {
        KeyDate = 2,
        KeyFrames = 3,
        KeyStrength = 4,
        KeyQueenState = 5,
        KeyWax = 6,
        KeyAmbrosia = 7,
        KeyExtractedHoney = 8,
        KeyFeeding = 9,
        KeyDisease = 10,
        KeyNote = 11,
        KeyHives = 12,
        KeyUserFields = 13,
    };

    // The record as the form holds it, without the lines removed in the form.
    InspectData TypedInspect() const;
    bool Changed() const override;

    std::vector<HiveLine> m_hives;
    // The lines as the form opened with them.
    std::vector<HiveLine> m_openedHives;
    // The group of stored user field values the form shows; 0 for a new record.
    std::int32_t m_idRecord = 0;

private:
    // Line i's section is keyed i x 256 and its rows i x 256 + 1 to 5. Line 0's row keys meet
    // the record's own keys, so line values are kept with their line, not in the value map.
    static constexpr int kLineKeys = 256;
    static constexpr int kLineRows = 5;

    void AddLine(std::size_t line);
    void AddHousing();
    void RemoveHousing(std::size_t line);

    HousingPicker m_pickHousing;
    // The value rows of each shown line (honey, brood, open brood, sealed brood, marketable honey).
    std::vector<std::array<CEditorItem*, kLineRows>> m_lineItems;
};

// A new record for the colony with the target id; its lines are the colony's hives. Unless the
// journal settings say otherwise, it starts from the colony's latest record: its figures of the
// colony's state and each hive's values, dated today.
class CAddInspectView : public CAddChangeInspectView
{
public:
    using CAddChangeInspectView::CAddChangeInspectView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void LoadValues() override;
    void LoadHives() override;
    std::int32_t ColonyId() const override { return TargetId(); }
    std::u16string GetTitle() override;

protected:
    bool Save() override;
    // "Save and next colony": the new record form of the site's next colony.
    bool OffersNext() const override { return true; }
    std::optional<std::pair<int, std::int32_t>> NextForm() const override;
};

// The record with the target id and its stored lines.
class CChangeInspectView : public CAddChangeInspectView
{
public:
    using CAddChangeInspectView::CAddChangeInspectView;

    void Prepare() override;
    bool Accepts(int tab, int kind, int action) override;
    void LoadValues() override;
    void LoadHives() override;
    std::int32_t ColonyId() const override { return m_idFamily; }
    std::u16string GetTitle() override;

protected:
    bool Save() override;

private:
    std::int32_t m_idFamily = 0;
};
