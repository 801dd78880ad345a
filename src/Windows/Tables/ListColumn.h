#pragma once

// The columns of the list pages. A page's layout file keeps each column's width under its id, so
// an id keeps its meaning; the beekeeper's own columns of a page are numbered from its last entry.
enum ListColumn : int
{
    SiteNameColumn = 256,
    SiteNoteColumn = 257,
    SiteUserColumns = 258,

    ColonyNameColumn = 512,
    ColonyTypeColumn = 513,
    ColonyNoteColumn = 514,
    // The colony's latest record.
    ColonyFramesColumn = 515,
    ColonyStrengthColumn = 516,
    ColonyHoneyColumn = 517,
    ColonyBroodColumn = 518,
    ColonyWaxColumn = 519,
    ColonyHivesColumn = 520,
    ColonyQueenStateColumn = 521,
    ColonyQueenBirthDatesColumn = 522,
    ColonyUserColumns = 523,
    // The colony's care: ids from the end of the colonies' range, clear of its user columns.
    ColonyVarroaColumn = 763,
    ColonySeasonHoneyColumn = 764,
    ColonySeasonSugarColumn = 765,
    ColonyLastTreatmentColumn = 766,
    ColonyWithheldUntilColumn = 767,

    RecordDateColumn = 768,
    RecordFramesColumn = 769,
    RecordStrengthColumn = 770,
    RecordQueenStateColumn = 771,
    RecordWaxColumn = 772,
    RecordAmbrosiaColumn = 773,
    RecordExtractedHoneyColumn = 774,
    RecordFeedingColumn = 775,
    RecordDiseaseColumn = 776,
    RecordNoteColumn = 777,
    // The hive lines of the selected record, in the grid below the records.
    HiveNameColumn = 778,
    HiveBroodColumn = 779,
    HiveHoneyColumn = 780,
    HiveOpenBroodColumn = 781,
    HiveSealedBroodColumn = 782,
    HiveMarketableHoneyColumn = 783,
    RecordUserColumns = 784,
};
