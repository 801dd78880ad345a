#pragma once

#include <array>
#include <cstdint>

// Identifiers of the texts in the language files, named after what they label. Code asks for a
// text only through these names; AllStringIds lists every one, so that a test can check that each
// language file has them all.
namespace StringId {

// Words shared by dialogs, forms and pages.
inline constexpr std::int32_t ButtonCancel = 1;
inline constexpr std::int32_t ButtonSave = 2;
inline constexpr std::int32_t ButtonApply = 3;
inline constexpr std::int32_t ButtonClose = 4;
inline constexpr std::int32_t ButtonDefaults = 5;
inline constexpr std::int32_t ButtonAdd = 6;
inline constexpr std::int32_t ButtonDelete = 7;
inline constexpr std::int32_t ButtonChange = 8;
inline constexpr std::int32_t FieldTypeWholeNumber = 9;
inline constexpr std::int32_t FieldTypeDecimalNumber = 10;
inline constexpr std::int32_t FieldTypeYesNo = 11;
inline constexpr std::int32_t FieldTypeText = 12;
inline constexpr std::int32_t FieldTypeDate = 35;
inline constexpr std::int32_t QueenCardButton = 15;
inline constexpr std::int32_t QueenTreeAllQueens = 36;

// Calendar: weekday columns, Monday first, and month names; WeekdayMonday + i and MonthJanuary + month.
inline constexpr std::int32_t WeekdayMonday = 16;
inline constexpr std::int32_t WeekdayTuesday = 17;
inline constexpr std::int32_t WeekdayWednesday = 18;
inline constexpr std::int32_t WeekdayThursday = 19;
inline constexpr std::int32_t WeekdayFriday = 20;
inline constexpr std::int32_t WeekdaySaturday = 21;
inline constexpr std::int32_t WeekdaySunday = 22;
inline constexpr std::int32_t MonthJanuary = 23;
inline constexpr std::int32_t MonthFebruary = 24;
inline constexpr std::int32_t MonthMarch = 25;
inline constexpr std::int32_t MonthApril = 26;
inline constexpr std::int32_t MonthMay = 27;
inline constexpr std::int32_t MonthJune = 28;
inline constexpr std::int32_t MonthJuly = 29;
inline constexpr std::int32_t MonthAugust = 30;
inline constexpr std::int32_t MonthSeptember = 31;
inline constexpr std::int32_t MonthOctober = 32;
inline constexpr std::int32_t MonthNovember = 33;
inline constexpr std::int32_t MonthDecember = 34;

// Top-level captions and component names.
inline constexpr std::int32_t MainWindowCaption = 257;
inline constexpr std::int32_t JournalName = 258;
inline constexpr std::int32_t SettingsName = 259;

// Why the start leaves the journal file alone: a heading, then one of the reasons.
inline constexpr std::int32_t JournalRefused = 272;
inline constexpr std::int32_t JournalNotADatabase = 273;
inline constexpr std::int32_t JournalDamaged = 274;
inline constexpr std::int32_t JournalIsFolder = 275;
inline constexpr std::int32_t JournalReadOnly = 276;
inline constexpr std::int32_t JournalLocked = 277;

// Settings window and its column dialog.
inline constexpr std::int32_t RestoreDefaultsQuestion = 4097;
inline constexpr std::int32_t ColumnNameLabel = 4098;
inline constexpr std::int32_t ColumnTypeLabel = 4099;

// Main settings page.
inline constexpr std::int32_t MainSettingsTitle = 4353;
inline constexpr std::int32_t LanguageLabel = 4354;
inline constexpr std::int32_t PrinterLabel = 4355;

// Journal settings page; the two type labels also serve the add-hive dialog.
inline constexpr std::int32_t JournalStyleLabel = 4609;
inline constexpr std::int32_t HousingTypesLabel = 4610;
inline constexpr std::int32_t FrameTypesLabel = 4611;

// View settings pages: the site page and the labels the three pages share. AdditionalHeader also
// heads the type lists of the journal page and the user fields of the forms.
inline constexpr std::int32_t PointViewSettingsTitle = 4865;
inline constexpr std::int32_t AdditionalHeader = 4866;
inline constexpr std::int32_t ShownColumnsLabel = 4867;
inline constexpr std::int32_t ShowNote = 4868;

// Colony view settings page.
inline constexpr std::int32_t FamilyViewSettingsTitle = 5121;
inline constexpr std::int32_t ShowStrength = 5122;
inline constexpr std::int32_t ShowBrood = 5123;
inline constexpr std::int32_t ShowHoney = 5124;
inline constexpr std::int32_t ShowFrames = 5125;
inline constexpr std::int32_t ShowHousingCount = 5126;
inline constexpr std::int32_t ShowQueenBirthDates = 5127;
inline constexpr std::int32_t ShowQueenState = 5128;
inline constexpr std::int32_t ShowWax = 5129;
inline constexpr std::int32_t ShowFamilyType = 5130;

// Journal record view settings page.
inline constexpr std::int32_t RecordViewSettingsTitle = 5377;
inline constexpr std::int32_t ShowMarketableHoney = 5378;
inline constexpr std::int32_t ShowExtractedHoney = 5379;
inline constexpr std::int32_t ShowFeeding = 5380;
inline constexpr std::int32_t ShowSealedBrood = 5381;
inline constexpr std::int32_t ShowOpenBrood = 5382;
inline constexpr std::int32_t ShowWaxGiven = 5383;
inline constexpr std::int32_t ShowAmbrosia = 5384;
inline constexpr std::int32_t ShowDiseases = 5385;

// Journal window: the view style, delete questions, hive dialogs and the date range of the records.
inline constexpr std::int32_t TreeViewStyleName = 8193;
// Followed by " '", a name and "'?" or "'.".
inline constexpr std::int32_t HousingNameLabel = 8209;
inline constexpr std::int32_t HousingTypeLabel = 8210;
inline constexpr std::int32_t FrameTypeLabel = 8211;
inline constexpr std::int32_t HousingDialogTitle = 8212;
inline constexpr std::int32_t RecordsFromLabel = 8213;
inline constexpr std::int32_t RecordsToLabel = 8214;

// Menu entries and titles of the add and change forms and of the delete questions.
inline constexpr std::int32_t AddPoint = 8448;
inline constexpr std::int32_t ChangePoint = 8449;
inline constexpr std::int32_t DeletePoint = 8450;
inline constexpr std::int32_t AddFamily = 8451;
inline constexpr std::int32_t ChangeFamily = 8452;
inline constexpr std::int32_t DeleteFamily = 8453;
inline constexpr std::int32_t AddInspect = 8454;
inline constexpr std::int32_t ChangeInspect = 8455;
inline constexpr std::int32_t DeleteInspect = 8456;
inline constexpr std::int32_t DeleteQueenBee = 8457;
inline constexpr std::int32_t AddQueenBee = 8458;
inline constexpr std::int32_t ChangeQueenBee = 8459;
inline constexpr std::int32_t RemoveHousingQuestion = 8460;

// Tabs of the journal window.
inline constexpr std::int32_t JournalTab = 8704;
inline constexpr std::int32_t QueenBeesTab = 8705;

// Colony types 0 to 13: FamilyTypeNone + type.
inline constexpr std::int32_t FamilyTypeNone = 8720;
inline constexpr std::int32_t FamilyTypeProduction = 8721;
inline constexpr std::int32_t FamilyTypeNucleus = 8722;
inline constexpr std::int32_t FamilyTypeSplit = 8723;
inline constexpr std::int32_t FamilyTypeSwarm = 8724;
inline constexpr std::int32_t FamilyTypePackage = 8725;
inline constexpr std::int32_t FamilyTypeBreeder = 8726;
inline constexpr std::int32_t FamilyTypeDroneSource = 8727;
inline constexpr std::int32_t FamilyTypeStarter = 8728;
inline constexpr std::int32_t FamilyTypeCellFinisher = 8729;
inline constexpr std::int32_t FamilyTypeReserve = 8730;
inline constexpr std::int32_t FamilyTypePollination = 8731;
inline constexpr std::int32_t FamilyTypeTrial = 8732;
inline constexpr std::int32_t FamilyTypeForSale = 8733;

// Queen states 0 to 3 of a journal record: QueenStateNone + state.
inline constexpr std::int32_t QueenStateNone = 8768;
inline constexpr std::int32_t QueenStatePresent = 8769;
inline constexpr std::int32_t QueenStateMissing = 8770;
inline constexpr std::int32_t QueenStateVirgin = 8771;

// Diseases and pests 0 to 32 of a journal record: DiseaseNone + code.
inline constexpr std::int32_t DiseaseNone = 8784;
inline constexpr std::int32_t DiseaseVarroosis = 8785;
inline constexpr std::int32_t DiseaseAcarapisosis = 8786;
inline constexpr std::int32_t DiseaseNosemosis = 8787;
inline constexpr std::int32_t DiseaseAmericanFoulbrood = 8788;
inline constexpr std::int32_t DiseaseEuropeanFoulbrood = 8789;
inline constexpr std::int32_t DiseaseParafoulbrood = 8790;
inline constexpr std::int32_t DiseaseChalkbrood = 8791;
inline constexpr std::int32_t DiseaseStonebrood = 8792;
inline constexpr std::int32_t DiseaseSacbrood = 8793;
inline constexpr std::int32_t DiseaseDeformedWingVirus = 8794;
inline constexpr std::int32_t DiseaseAcuteParalysis = 8795;
inline constexpr std::int32_t DiseaseChronicParalysis = 8796;
inline constexpr std::int32_t DiseaseBlackQueenCellVirus = 8797;
inline constexpr std::int32_t DiseaseAmoebiasis = 8798;
inline constexpr std::int32_t DiseaseSepticaemia = 8799;
inline constexpr std::int32_t DiseaseHafniosis = 8800;
inline constexpr std::int32_t DiseaseColibacillosis = 8801;
inline constexpr std::int32_t DiseaseBraulosis = 8802;
inline constexpr std::int32_t DiseaseTropilaelaps = 8803;
inline constexpr std::int32_t DiseaseSmallHiveBeetle = 8804;
inline constexpr std::int32_t DiseaseGreaterWaxMoth = 8805;
inline constexpr std::int32_t DiseaseLesserWaxMoth = 8806;
inline constexpr std::int32_t DiseaseSenotainiosis = 8807;
inline constexpr std::int32_t DiseaseMeloidosis = 8808;
inline constexpr std::int32_t DiseaseMermithidosis = 8809;
inline constexpr std::int32_t DiseasePollenPoisoning = 8810;
inline constexpr std::int32_t DiseaseHoneydewPoisoning = 8811;
inline constexpr std::int32_t DiseaseNectarPoisoning = 8812;
inline constexpr std::int32_t DiseasePesticidePoisoning = 8813;
inline constexpr std::int32_t DiseaseChilledBrood = 8814;
inline constexpr std::int32_t DiseaseAsianHornet = 8815;
inline constexpr std::int32_t DiseaseBeeWolf = 8816;

// Hive manager dialog and the tabs of the add-hive dialog.
inline constexpr std::int32_t HousingManagerTitle = 8832;
inline constexpr std::int32_t NewHousingTab = 8833;
inline constexpr std::int32_t ExistingHousingTab = 8834;
inline constexpr std::int32_t HousingNameOnlyTab = 8835;

// Field labels and column headers of sites, colonies, journal records and their hive lines.
inline constexpr std::int32_t PointNameField = 8960;
inline constexpr std::int32_t NoteField = 8961;
inline constexpr std::int32_t FamilyNameField = 8962;
inline constexpr std::int32_t FamilyTypeField = 8963;
inline constexpr std::int32_t FramesField = 8964;
inline constexpr std::int32_t StrengthField = 8965;
inline constexpr std::int32_t HoneyField = 8966;
inline constexpr std::int32_t BroodField = 8967;
inline constexpr std::int32_t WaxField = 8968;
inline constexpr std::int32_t HousingCountField = 8969;
inline constexpr std::int32_t QueenStateField = 8970;
inline constexpr std::int32_t QueenBirthDatesField = 8971;
inline constexpr std::int32_t RecordDateField = 8972;
inline constexpr std::int32_t AmbrosiaField = 8973;
inline constexpr std::int32_t ExtractedHoneyField = 8974;
inline constexpr std::int32_t FeedingField = 8975;
inline constexpr std::int32_t DiseaseField = 8976;
inline constexpr std::int32_t HousingNameField = 8977;
inline constexpr std::int32_t OpenBroodField = 8978;
inline constexpr std::int32_t SealedBroodField = 8979;
inline constexpr std::int32_t MarketableHoneyField = 8980;

// Queen pages, queen forms, genealogy panes and the queen manager dialog.
inline constexpr std::int32_t PointFamiliesWithoutQueen = 9216;
inline constexpr std::int32_t PointLivingQueens = 9217;
inline constexpr std::int32_t FamilyLivingQueens = 9218;
inline constexpr std::int32_t FamilyAllQueens = 9219;
inline constexpr std::int32_t QueenBirthDateLabel = 9220;
inline constexpr std::int32_t QueenBreedLabel = 9221;
inline constexpr std::int32_t QueenFertLabel = 9222;
inline constexpr std::int32_t QueenAliveState = 9223;
inline constexpr std::int32_t QueenDeadState = 9224;
inline constexpr std::int32_t QueenNameLabel = 9225;
inline constexpr std::int32_t QueenAliveLabel = 9226;
inline constexpr std::int32_t QueenDescriptionLabel = 9227;
inline constexpr std::int32_t QueenManagerTitle = 9228;
inline constexpr std::int32_t MoveQueenToFamily = 9229;
inline constexpr std::int32_t ChangeQueenMother = 9230;
inline constexpr std::int32_t NoQueenChosen = 9231;
inline constexpr std::int32_t QueenMotherLabel = 9232;
inline constexpr std::int32_t RecordMotherButton = 9233;
inline constexpr std::int32_t PlaceInFamilyButton = 9234;
inline constexpr std::int32_t QueenWithoutFamily = 9235;
inline constexpr std::int32_t QueenWithoutMother = 9236;
inline constexpr std::int32_t CurrentFamilyLabel = 9237;
inline constexpr std::int32_t CurrentMotherLabel = 9238;
inline constexpr std::int32_t NoFamilyChosen = 9239;
inline constexpr std::int32_t NoMotherChosen = 9240;
inline constexpr std::int32_t NewFamilyLabel = 9241;
inline constexpr std::int32_t NewMotherLabel = 9242;

// Breeds and lines 0 to 33 of a queen: BreedNone + breed code.
inline constexpr std::int32_t BreedNone = 9248;
inline constexpr std::int32_t BreedCentralRussian = 9249;
inline constexpr std::int32_t BreedBurzyan = 9250;
inline constexpr std::int32_t BreedCarpathian = 9251;
inline constexpr std::int32_t BreedCarniolan = 9252;
inline constexpr std::int32_t BreedCarniolanPeschetz = 9253;
inline constexpr std::int32_t BreedCarniolanTroiseck = 9254;
inline constexpr std::int32_t BreedCarniolanSklenar = 9255;
inline constexpr std::int32_t BreedGreyMountainCaucasian = 9256;
inline constexpr std::int32_t BreedMegrelian = 9257;
inline constexpr std::int32_t BreedKuban = 9258;
inline constexpr std::int32_t BreedYellowCaucasian = 9259;
inline constexpr std::int32_t BreedFarEastern = 9260;
inline constexpr std::int32_t BreedUkrainianSteppe = 9261;
inline constexpr std::int32_t BreedPolesian = 9262;
inline constexpr std::int32_t BreedItalian = 9263;
inline constexpr std::int32_t BreedCordovan = 9264;
inline constexpr std::int32_t BreedBuckfast = 9265;
inline constexpr std::int32_t BreedMacedonian = 9266;
inline constexpr std::int32_t BreedGreek = 9267;
inline constexpr std::int32_t BreedSicilian = 9268;
inline constexpr std::int32_t BreedMaltese = 9269;
inline constexpr std::int32_t BreedIberian = 9270;
inline constexpr std::int32_t BreedAnatolian = 9271;
inline constexpr std::int32_t BreedCyprian = 9272;
inline constexpr std::int32_t BreedSyrian = 9273;
inline constexpr std::int32_t BreedPersian = 9274;
inline constexpr std::int32_t BreedArmenian = 9275;
inline constexpr std::int32_t BreedEgyptian = 9276;
inline constexpr std::int32_t BreedTellian = 9277;
inline constexpr std::int32_t BreedScutellata = 9278;
inline constexpr std::int32_t BreedCape = 9279;
inline constexpr std::int32_t BreedElgon = 9280;
inline constexpr std::int32_t BreedSaskatraz = 9281;

// The journal toolbar's second group.
inline constexpr std::int32_t ToolbarPrint = 9472;
inline constexpr std::int32_t ToolbarExport = 9473;
inline constexpr std::int32_t ToolbarCharts = 9474;
inline constexpr std::int32_t ToolbarBackups = 9475;

// Printouts of the journal's pages.
inline constexpr std::int32_t PrintSavePdf = 9480;
inline constexpr std::int32_t PrintPdfTitle = 9481;
inline constexpr std::int32_t PrintPdfFilter = 9482;
inline constexpr std::int32_t PrintPrintedOn = 9483;
inline constexpr std::int32_t PrintSitesTitle = 9484;
inline constexpr std::int32_t PrintColoniesTitle = 9485;
inline constexpr std::int32_t PrintRecordsTitle = 9486;
inline constexpr std::int32_t PrintHiveLinesCaption = 9487;
inline constexpr std::int32_t PrintQueensTitle = 9488;
inline constexpr std::int32_t PrintFamilyTreeTitle = 9489;
inline constexpr std::int32_t PrintPdfFailed = 9490;
inline constexpr std::int32_t PrintNothingOnPage = 9491;

// Export to CSV and the backups.
inline constexpr std::int32_t ExportCurrentTable = 9520;
inline constexpr std::int32_t ExportWholeJournal = 9521;
inline constexpr std::int32_t ExportSaveTitle = 9522;
inline constexpr std::int32_t ExportFolderTitle = 9523;
inline constexpr std::int32_t CsvFileFilter = 9524;
inline constexpr std::int32_t ExportTableDone = 9525;
inline constexpr std::int32_t ExportTableFailed = 9526;
inline constexpr std::int32_t ExportJournalDone = 9527;
inline constexpr std::int32_t ExportJournalFailed = 9528;
inline constexpr std::int32_t ExportNoTable = 9529;
inline constexpr std::int32_t HiveLinesFileSuffix = 9530;
inline constexpr std::int32_t BackupDialogTitle = 9531;
inline constexpr std::int32_t BackupNowButton = 9532;
inline constexpr std::int32_t BackupRestoreButton = 9533;
inline constexpr std::int32_t BackupOpenFolderButton = 9534;
inline constexpr std::int32_t BackupDateColumn = 9535;
inline constexpr std::int32_t BackupSizeColumn = 9536;
inline constexpr std::int32_t BackupColoniesColumn = 9537;
inline constexpr std::int32_t BackupRecordsColumn = 9538;
inline constexpr std::int32_t BackupFailed = 9539;
inline constexpr std::int32_t RestoreQuestion = 9540;
inline constexpr std::int32_t RestoreQuestionNote = 9541;
inline constexpr std::int32_t RestoreDone = 9542;
inline constexpr std::int32_t RestoreNotJournal = 9543;
inline constexpr std::int32_t RestoreFailed = 9544;
inline constexpr std::int32_t BackupsKeptLabel = 9545;
inline constexpr std::int32_t OpenFolderFailed = 9546;
inline constexpr std::int32_t BackupUnreadable = 9547;
inline constexpr std::int32_t SizeKilobytes = 9548;
inline constexpr std::int32_t SizeMegabytes = 9549;

// The charts tab.
inline constexpr std::int32_t ChartsTab = 9560;
inline constexpr std::int32_t ChartColonyTitle = 9561;
inline constexpr std::int32_t ChartSiteTitle = 9562;
inline constexpr std::int32_t ChartAllSitesTitle = 9563;
inline constexpr std::int32_t ChartHoneyTaken = 9564;
inline constexpr std::int32_t ChartLatestStrength = 9565;
inline constexpr std::int32_t ChartSeasonLabel = 9566;
inline constexpr std::int32_t ChartNoColonyRecords = 9567;
inline constexpr std::int32_t ChartNoSiteRecords = 9568;
inline constexpr std::int32_t ChartNoRecords = 9569;

// A change the journal file did not take, and changes made by another program.
inline constexpr std::int32_t ChangeNotSaved = 9600;
inline constexpr std::int32_t NotSavedDiskFull = 9601;
inline constexpr std::int32_t NotSavedLocked = 9602;
inline constexpr std::int32_t NotSavedDamaged = 9603;
inline constexpr std::int32_t NotSavedReadOnly = 9604;
inline constexpr std::int32_t NotSavedOther = 9605;
inline constexpr std::int32_t ChangedOutside = 9606;
inline constexpr std::int32_t RemovedOutside = 9607;

// What a start finds wrong with the journal, its folder and its tables.
inline constexpr std::int32_t JournalDamagedFound = 9630;
inline constexpr std::int32_t JournalDamagedRestoreQuestion = 9631;
inline constexpr std::int32_t JournalDamagedNoGoodBackup = 9632;
inline constexpr std::int32_t JournalHeldForReading = 9633;
inline constexpr std::int32_t WorkFolderReadOnly = 9634;
inline constexpr std::int32_t JournalTablesMissing = 9635;

// Refusals and questions of the forms before a save.
inline constexpr std::int32_t OwnerSiteGone = 9660;
inline constexpr std::int32_t OwnerColonyGone = 9661;
inline constexpr std::int32_t OwnerRecordGone = 9662;
inline constexpr std::int32_t NameRequired = 9663;
inline constexpr std::int32_t FutureDateNotice = 9664;
inline constexpr std::int32_t UnlikelyValuesNotice = 9665;
inline constexpr std::int32_t AtMostLabel = 9666;
inline constexpr std::int32_t SaveAnywayQuestion = 9667;
inline constexpr std::int32_t NumberTooLong = 9668;
inline constexpr std::int32_t CheckValuesTitle = 9669;
// The entry of a hive's type lists for a hive without a type.
inline constexpr std::int32_t NoType = 9670;
// The hint of the box that narrows the navigation tree.
inline constexpr std::int32_t TreeFilterHint = 9671;
// Said at the start when a newer program has extended the journal.
inline constexpr std::int32_t NewerJournalNotice = 9672;

// The yard visit: hives that follow their colony.
inline constexpr std::int32_t HiveOfOtherColony = 9700;
inline constexpr std::int32_t MoveHiveQuestion = 9701;
inline constexpr std::int32_t StartFromLastRecord = 9702;
inline constexpr std::int32_t SaveAndNextColony = 9703;
inline constexpr std::int32_t DiscardTypedQuestion = 9704;
inline constexpr std::int32_t ShowOlderRecords = 9705;
// The dictionaries of a new journal, names separated by '|'.
inline constexpr std::int32_t StarterHiveTypes = 9706;
inline constexpr std::int32_t StarterFrameTypes = 9707;
// Delete questions: "%1 «%2»?" with the action's title and the entry's name, and what goes with a site or colony.
inline constexpr std::int32_t DeleteNamedQuestion = 9800;
inline constexpr std::int32_t DeleteSiteGoesWith = 9801;
inline constexpr std::int32_t DeleteColonyGoesWith = 9802;
inline constexpr std::int32_t DeleteHousingTitle = 9803;
// Said when another language is applied.
inline constexpr std::int32_t LanguageAtNextOpening = 9804;
// The About box and the guide.
inline constexpr std::int32_t AboutButton = 9805;
inline constexpr std::int32_t AboutTitle = 9806;
inline constexpr std::int32_t AboutVersion = 9807;
inline constexpr std::int32_t AboutLicence = 9808;
inline constexpr std::int32_t AboutJournalLabel = 9809;
inline constexpr std::int32_t AboutBackupsLabel = 9810;
inline constexpr std::int32_t AboutSettingsLabel = 9811;
inline constexpr std::int32_t AboutOpenFolder = 9812;
inline constexpr std::int32_t HelpButton = 9813;
inline constexpr std::int32_t HelpMissing = 9814;
// The tree's check box that hides colonies lost or united into another.
inline constexpr std::int32_t HideEndedColonies = 10200;
// The colony chart's marks of a colony's events.
inline constexpr std::int32_t EventMarkSplit = 10201;
inline constexpr std::int32_t EventMarkUnite = 10202;
inline constexpr std::int32_t EventMarkRequeen = 10203;
inline constexpr std::int32_t EventMarkSwarm = 10204;
inline constexpr std::int32_t EventMarkMove = 10205;
inline constexpr std::int32_t EventMarkLoss = 10206;
// The winter losses page of a site and of all sites, and the buttons between it and the charts.
inline constexpr std::int32_t WinterLossesButton = 10207;
inline constexpr std::int32_t ChartsButton = 10208;
inline constexpr std::int32_t WinterLossesTitle = 10209;
inline constexpr std::int32_t WinterLossSeason = 10210;
inline constexpr std::int32_t WinterLossAlive = 10211;
inline constexpr std::int32_t WinterLossLost = 10212;
inline constexpr std::int32_t WinterLossPercent = 10213;
inline constexpr std::int32_t WinterLossCauses = 10214;
inline constexpr std::int32_t WinterLossRule = 10215;
inline constexpr std::int32_t WinterLossNone = 10216;
// The causes of a colony's loss.
inline constexpr std::int32_t LossCauseStarvation = 10217;
inline constexpr std::int32_t LossCauseVarroa = 10218;
inline constexpr std::int32_t LossCauseQueenFailure = 10219;
inline constexpr std::int32_t LossCauseRobbing = 10220;
inline constexpr std::int32_t LossCausePoisoning = 10221;
inline constexpr std::int32_t LossCauseOther = 10222;
inline constexpr std::int32_t LossCauseUnknown = 10223;
// The whole journal's export of the colonies' events: the columns of its two files, separated by ';', and the words of its values.
inline constexpr std::int32_t EventsFileColumns = 10224;
inline constexpr std::int32_t EventQueensFileColumns = 10225;
inline constexpr std::int32_t DaughterQueenNone = 10226;
inline constexpr std::int32_t DaughterQueenOld = 10227;
inline constexpr std::int32_t DaughterQueenCell = 10228;
inline constexpr std::int32_t DaughterQueenStored = 10229;
inline constexpr std::int32_t QueenFateKilled = 10230;
inline constexpr std::int32_t QueenFateSuperseded = 10231;
inline constexpr std::int32_t QueenFateMoved = 10232;
inline constexpr std::int32_t QueenFateIntroduced = 10233;
inline constexpr std::int32_t QueenFateSwarmed = 10234;
inline constexpr std::int32_t QueenFateDied = 10235;
inline constexpr std::int32_t AnswerYes = 10236;
inline constexpr std::int32_t AnswerNo = 10237;

// The CSV styles of the export menu.
inline constexpr std::int32_t CsvCommaStyle = 10300;
inline constexpr std::int32_t CsvSemicolonStyle = 10301;
// Export as a spreadsheet file.
inline constexpr std::int32_t ExportCurrentTableBook = 10302;
inline constexpr std::int32_t ExportWholeJournalBook = 10303;
inline constexpr std::int32_t XlsxFileFilter = 10304;
inline constexpr std::int32_t ExportBookSaveTitle = 10305;
inline constexpr std::int32_t ExportBookDone = 10306;
inline constexpr std::int32_t ExportBookFailed = 10307;
inline constexpr std::int32_t JournalBookName = 10308;
// The journal as one document for moving it, and taking one in.
inline constexpr std::int32_t ExportJournalJson = 10309;
inline constexpr std::int32_t ImportJournalJson = 10310;
inline constexpr std::int32_t JsonFileFilter = 10311;
inline constexpr std::int32_t ExportJsonDone = 10312;
inline constexpr std::int32_t ExportJsonFailed = 10313;
inline constexpr std::int32_t ImportJsonDone = 10314;
inline constexpr std::int32_t ImportNotJournal = 10315;
inline constexpr std::int32_t ImportNewerFormat = 10316;
inline constexpr std::int32_t ImportJournalNotEmpty = 10317;
inline constexpr std::int32_t ImportTitle = 10318;
inline constexpr std::int32_t ImportBackupFailed = 10319;
inline constexpr std::int32_t ExportJsonSaveTitle = 10320;
// Taking in records from a table: the menu, the mapping dialog and its preview.
inline constexpr std::int32_t ImportTableMenu = 10500;
inline constexpr std::int32_t ImportTableTitle = 10501;
inline constexpr std::int32_t ImportTableFilter = 10502;
inline constexpr std::int32_t ImportTableUnreadable = 10503;
inline constexpr std::int32_t ImportTableNothing = 10504;
inline constexpr std::int32_t ImportTableDone = 10505;
inline constexpr std::int32_t ImportColumnCaption = 10506;
inline constexpr std::int32_t ImportSamplesCaption = 10507;
inline constexpr std::int32_t ImportTargetCaption = 10508;
inline constexpr std::int32_t ImportTargetSkip = 10509;
inline constexpr std::int32_t ImportTargetUserField = 10510;
inline constexpr std::int32_t ImportPreviewRecords = 10511;
inline constexpr std::int32_t ImportPreviewNewSites = 10512;
inline constexpr std::int32_t ImportPreviewNewColonies = 10513;
inline constexpr std::int32_t ImportPreviewNewHives = 10514;
inline constexpr std::int32_t ImportPreviewSkipped = 10515;
inline constexpr std::int32_t ImportPreviewRow = 10516;
inline constexpr std::int32_t ImportSkipNoDate = 10517;
inline constexpr std::int32_t ImportSkipBadDate = 10518;
inline constexpr std::int32_t ImportSkipBadNumber = 10519;
inline constexpr std::int32_t ImportSkipNotWhole = 10520;
inline constexpr std::int32_t ImportSkipNoColony = 10521;
inline constexpr std::int32_t ImportSkipNoSite = 10522;
inline constexpr std::int32_t ImportButton = 10523;
inline constexpr std::int32_t ImportSkipAlreadyInJournal = 10524;
// The colonies' care: treatments, feedings, harvests and the register of medicines.
inline constexpr std::int32_t CareNoTables = 10600;
inline constexpr std::int32_t CareRefusalNoColonies = 10601;
inline constexpr std::int32_t CareRefusalNoProduct = 10602;
inline constexpr std::int32_t CareRefusalDates = 10603;
inline constexpr std::int32_t CareRefusalAmount = 10604;
inline constexpr std::int32_t CareRefusalNoFeed = 10605;
inline constexpr std::int32_t CareRefusalProductInUse = 10606;
inline constexpr std::int32_t CareRefusalFeedInUse = 10607;
inline constexpr std::int32_t CareRefusalNoName = 10608;
inline constexpr std::int32_t StarterProducts = 10609;
inline constexpr std::int32_t StarterFeedTypes = 10610;
inline constexpr std::int32_t TreatmentButton = 10611;
inline constexpr std::int32_t FeedingButton = 10612;
inline constexpr std::int32_t HarvestButton = 10613;
inline constexpr std::int32_t TreatmentTitle = 10614;
inline constexpr std::int32_t FeedingTitle = 10615;
inline constexpr std::int32_t HarvestTitle = 10616;
inline constexpr std::int32_t ProductLabel = 10617;
inline constexpr std::int32_t BatchLabel = 10618;
inline constexpr std::int32_t DoseLabel = 10619;
inline constexpr std::int32_t UnitLabel = 10620;
inline constexpr std::int32_t MethodLabel = 10621;
inline constexpr std::int32_t FirstDayLabel = 10622;
inline constexpr std::int32_t LastDayLabel = 10623;
inline constexpr std::int32_t WithdrawalDaysLabel = 10624;
inline constexpr std::int32_t PrescriberLabel = 10625;
inline constexpr std::int32_t ColoniesLabel = 10626;
inline constexpr std::int32_t WholeSiteLabel = 10627;
inline constexpr std::int32_t FeedLabel = 10628;
inline constexpr std::int32_t AmountLabel = 10629;
inline constexpr std::int32_t UnitKilograms = 10630;
inline constexpr std::int32_t UnitLitres = 10631;
inline constexpr std::int32_t LotLabel = 10632;
inline constexpr std::int32_t HoneyKindLabel = 10633;
inline constexpr std::int32_t SupersLabel = 10634;
inline constexpr std::int32_t WithdrawalWarning = 10635;
inline constexpr std::int32_t HistoryTreatment = 10636;
inline constexpr std::int32_t HistoryWithheld = 10637;
inline constexpr std::int32_t HistoryFeeding = 10638;
inline constexpr std::int32_t HistoryHarvest = 10639;
inline constexpr std::int32_t HistoryLot = 10640;
inline constexpr std::int32_t WithdrawalEndColumn = 10641;
inline constexpr std::int32_t LastTreatmentColumn = 10642;
inline constexpr std::int32_t NoteLabel = 10643;
inline constexpr std::int32_t SugarShareLabel = 10644;
inline constexpr std::int32_t DensityLabel = 10645;
inline constexpr std::int32_t DeleteCareButton = 10646;
inline constexpr std::int32_t DeleteCareQuestion = 10647;
inline constexpr std::int32_t RegisterMenu = 10648;
inline constexpr std::int32_t RegisterTitle = 10649;
inline constexpr std::int32_t SubstanceLabel = 10650;
inline constexpr std::int32_t TreatmentsSheetName = 10651;
inline constexpr std::int32_t FeedingsSheetName = 10652;
inline constexpr std::int32_t HarvestsSheetName = 10653;
inline constexpr std::int32_t SugarColumn = 10654;
inline constexpr std::int32_t SuperCountColumn = 10655;
inline constexpr std::int32_t HoneyWeightColumn = 10656;
inline constexpr std::int32_t ColonyQueensColumn = 10657;
inline constexpr std::int32_t ProductsButton = 10658;
inline constexpr std::int32_t FeedsButton = 10659;
inline constexpr std::int32_t ProductsTitle = 10660;
inline constexpr std::int32_t FeedsTitle = 10661;
inline constexpr std::int32_t NameLabel = 10662;
inline constexpr std::int32_t FormLabel = 10663;
inline constexpr std::int32_t NewEntryButton = 10664;
inline constexpr std::int32_t WithheldHoneyNotice = 10665;
inline constexpr std::int32_t SeasonHoneyColumn = 10666;
inline constexpr std::int32_t SeasonSugarColumn = 10667;
inline constexpr std::int32_t CareRefusalCount = 10668;
inline constexpr std::int32_t MiteCountButton = 10669;
inline constexpr std::int32_t MiteCountTitle = 10670;
inline constexpr std::int32_t MethodStickyBoard = 10671;
inline constexpr std::int32_t MethodAlcoholWash = 10672;
inline constexpr std::int32_t MethodSugarRoll = 10673;
inline constexpr std::int32_t MethodDroneBrood = 10674;
inline constexpr std::int32_t MitesLabel = 10675;
inline constexpr std::int32_t SampleLabel = 10676;
inline constexpr std::int32_t BoardDaysLabel = 10677;
inline constexpr std::int32_t HistoryMiteCount = 10678;
inline constexpr std::int32_t MitesPerDay = 10679;
inline constexpr std::int32_t MiteCountsSheetName = 10680;
inline constexpr std::int32_t VarroaColumn = 10681;
inline constexpr std::int32_t VarroaAbove = 10682;
inline constexpr std::int32_t VarroaNear = 10683;
inline constexpr std::int32_t VarroaBelow = 10684;
inline constexpr std::int32_t HistoryEfficacy = 10685;
inline constexpr std::int32_t MiteThresholdsTitle = 10686;
inline constexpr std::int32_t MiteThresholdsUnits = 10687;
inline constexpr std::int32_t ChartColonyVarroaTitle = 10688;
inline constexpr std::int32_t ChartSiteVarroaTitle = 10689;
inline constexpr std::int32_t ChartJournalVarroaTitle = 10690;
inline constexpr std::int32_t ChartNoMiteCounts = 10691;
inline constexpr std::int32_t ChartNoRecentCounts = 10692;
inline constexpr std::int32_t ChartNoneAboveThreshold = 10693;
inline constexpr std::int32_t ThresholdWord = 10694;
inline constexpr std::int32_t ShareOfThresholdAxis = 10695;
inline constexpr std::int32_t HistorySiteEfficacy = 10696;
inline constexpr std::int32_t MiteThresholdsSource = 10697;
inline constexpr std::int32_t SampleVolumeLabel = 10698;
// Plans and reminders: tasks, their calendar and the field sheets.
inline constexpr std::int32_t TaskNoTables = 10700;
inline constexpr std::int32_t TaskRefusalTitle = 10701;
inline constexpr std::int32_t TaskRefusalRepeat = 10702;
inline constexpr std::int32_t TaskKindInspection = 10703;
inline constexpr std::int32_t TaskKindTreatment = 10704;
inline constexpr std::int32_t TaskKindFeeding = 10705;
inline constexpr std::int32_t TaskKindQueenCheck = 10706;
inline constexpr std::int32_t TaskKindHarvest = 10707;
inline constexpr std::int32_t TaskKindOther = 10708;
inline constexpr std::int32_t TaskTitleLabel = 10709;
inline constexpr std::int32_t TaskKindLabel = 10710;
inline constexpr std::int32_t TaskDueLabel = 10711;
inline constexpr std::int32_t TaskTimeLabel = 10712;
inline constexpr std::int32_t TaskEveryDaysLabel = 10713;
inline constexpr std::int32_t TaskUntilLabel = 10714;
inline constexpr std::int32_t TaskDialogTitle = 10715;
inline constexpr std::int32_t TaskButton = 10716;
inline constexpr std::int32_t HistoryTask = 10717;
inline constexpr std::int32_t HistoryTaskDone = 10718;
inline constexpr std::int32_t TaskRefusalTime = 10719;
inline constexpr std::int32_t TaskDoneButton = 10720;
inline constexpr std::int32_t ExportTasksCalendar = 10721;
inline constexpr std::int32_t CalendarFileFilter = 10722;
inline constexpr std::int32_t ExportCalendarSaveTitle = 10723;
inline constexpr std::int32_t ExportCalendarDone = 10724;
inline constexpr std::int32_t ExportCalendarFailed = 10725;
inline constexpr std::int32_t CalendarFileName = 10726;
inline constexpr std::int32_t CloseTaskQuestion = 10727;
inline constexpr std::int32_t DueButton = 10728;
inline constexpr std::int32_t DueTitle = 10729;
inline constexpr std::int32_t DueToday = 10730;
inline constexpr std::int32_t DueOverdue = 10731;
inline constexpr std::int32_t FieldSheetTitle = 10732;
inline constexpr std::int32_t FieldSheetMenu = 10733;
inline constexpr std::int32_t LastRecordColumn = 10734;
inline constexpr std::int32_t QueenColumn = 10735;
inline constexpr std::int32_t TasksDueColumn = 10736;
inline constexpr std::int32_t FieldQueenSeen = 10737;
inline constexpr std::int32_t FieldEggs = 10738;
inline constexpr std::int32_t FieldStores = 10739;
inline constexpr std::int32_t FieldTemper = 10740;
inline constexpr std::int32_t FieldNotes = 10741;
inline constexpr std::int32_t MarkingBlue = 10742;
inline constexpr std::int32_t MarkingWhite = 10743;
inline constexpr std::int32_t MarkingYellow = 10744;
inline constexpr std::int32_t MarkingRed = 10745;
inline constexpr std::int32_t MarkingGreen = 10746;
inline constexpr std::int32_t FollowUpSplitTitle = 10747;
inline constexpr std::int32_t FollowUpRequeenTitle = 10748;
inline constexpr std::int32_t FollowUpTreatmentEndTitle = 10749;
inline constexpr std::int32_t FollowUpMiteCountTitle = 10750;
inline constexpr std::int32_t FollowUpQuestion = 10751;
inline constexpr std::int32_t FollowUpSettingsTitle = 10752;
inline constexpr std::int32_t FollowUpSplitDays = 10753;
inline constexpr std::int32_t FollowUpRequeenDays = 10754;
inline constexpr std::int32_t FollowUpMiteDays = 10755;
inline constexpr std::int32_t FollowUpOffer = 10756;
inline constexpr std::int32_t CalendarTab = 10757;
inline constexpr std::int32_t CalendarTitle = 10758;
inline constexpr std::int32_t CalendarToday = 10759;
inline constexpr std::int32_t CalendarRecord = 10760;
inline constexpr std::int32_t CalendarMore = 10761;
inline constexpr std::int32_t CalendarCount = 10762;

// The whole journal to read: its menu entries, sheets and the columns of numbers beside names.
inline constexpr std::int32_t ExportReadableBook = 10450;
inline constexpr std::int32_t ExportReadableCsv = 10451;
inline constexpr std::int32_t ReadableJournalName = 10452;
inline constexpr std::int32_t HivesSheetName = 10453;
inline constexpr std::int32_t QueensSheetName = 10454;
inline constexpr std::int32_t EventsSheetName = 10455;
inline constexpr std::int32_t EventQueensSheetName = 10456;
inline constexpr std::int32_t HiveLinesSheetName = 10457;
inline constexpr std::int32_t SiteNumberColumn = 10458;
inline constexpr std::int32_t ColonyNumberColumn = 10459;
inline constexpr std::int32_t RecordNumberColumn = 10460;
inline constexpr std::int32_t HiveNumberColumn = 10461;
inline constexpr std::int32_t QueenNumberColumn = 10462;
// The colony family tree page.
inline constexpr std::int32_t ColonyTreeTab = 10100;
inline constexpr std::int32_t ColonyTreePrintTitle = 10101;
inline constexpr std::int32_t ColonyMadeBySplit = 10102;
inline constexpr std::int32_t ColonyMadeBySwarm = 10103;
inline constexpr std::int32_t ColonyLostOn = 10104;
inline constexpr std::int32_t ColonyLostOnOfCause = 10105;
inline constexpr std::int32_t ColonyUnitedInto = 10106;
inline constexpr std::int32_t ColonyUnitedInOn = 10107;
inline constexpr std::int32_t ColonyNoLineage = 10108;
inline constexpr std::int32_t ColonyTreeChooseColony = 10109;

// A colony's events: refusals, the History page and its texts.
inline constexpr std::int32_t EventRefusalNoEventTables = 10001;
inline constexpr std::int32_t EventRefusalNoColony = 10002;
inline constexpr std::int32_t EventRefusalColonyEnded = 10003;
inline constexpr std::int32_t EventRefusalSameColony = 10004;
inline constexpr std::int32_t EventRefusalBeforeLatestEvent = 10005;
inline constexpr std::int32_t EventRefusalNoSite = 10006;
inline constexpr std::int32_t EventRefusalSameSite = 10007;
inline constexpr std::int32_t EventRefusalQueenNotThere = 10008;
inline constexpr std::int32_t EventRefusalBadChoice = 10009;
inline constexpr std::int32_t EventRefusalNoEvent = 10010;
inline constexpr std::int32_t EventRefusalNotLatestEvent = 10011;
inline constexpr std::int32_t EventRefusalChangedSince = 10012;
inline constexpr std::int32_t HistoryTab = 10013;
inline constexpr std::int32_t EventKindSplit = 10014;
inline constexpr std::int32_t EventKindUnite = 10015;
inline constexpr std::int32_t EventKindRequeen = 10016;
inline constexpr std::int32_t EventKindSwarm = 10017;
inline constexpr std::int32_t EventKindMove = 10018;
inline constexpr std::int32_t EventKindLoss = 10019;
inline constexpr std::int32_t HistoryDateColumn = 10036;
inline constexpr std::int32_t HistoryWhatColumn = 10037;
inline constexpr std::int32_t HistoryNoteColumn = 10038;
inline constexpr std::int32_t HistoryInspection = 10039;
inline constexpr std::int32_t HistoryMother = 10040;
inline constexpr std::int32_t HistoryDaughters = 10041;
inline constexpr std::int32_t HistoryUnitedIn = 10042;
inline constexpr std::int32_t HistoryUnitedInto = 10043;
inline constexpr std::int32_t HistoryNone = 10044;
inline constexpr std::int32_t UndoLastEvent = 10045;
inline constexpr std::int32_t UndoEventQuestion = 10046;
inline constexpr std::int32_t SplitButton = 10048;
inline constexpr std::int32_t UniteButton = 10049;
inline constexpr std::int32_t RequeenButton = 10050;
inline constexpr std::int32_t SwarmButton = 10051;
inline constexpr std::int32_t MoveButton = 10052;
inline constexpr std::int32_t LossButton = 10053;
inline constexpr std::int32_t HistorySplit = 10054;
inline constexpr std::int32_t HistorySplitFrom = 10055;
inline constexpr std::int32_t HistoryUnitedWith = 10056;
inline constexpr std::int32_t HistoryUnitedIntoColony = 10057;
inline constexpr std::int32_t HistoryRequeened = 10058;
inline constexpr std::int32_t HistorySwarmCaught = 10059;
inline constexpr std::int32_t HistorySwarmLost = 10060;
inline constexpr std::int32_t HistorySwarmFrom = 10061;
inline constexpr std::int32_t HistoryMoved = 10062;
inline constexpr std::int32_t HistoryLost = 10063;
inline constexpr std::int32_t HistoryQueen = 10064;
inline constexpr std::int32_t NewColonyNameLabel = 10065;
inline constexpr std::int32_t SiteLabel = 10066;
inline constexpr std::int32_t BroodFramesLabel = 10067;
inline constexpr std::int32_t HoneyFramesLabel = 10068;
inline constexpr std::int32_t BeeFramesLabel = 10069;
inline constexpr std::int32_t DaughterGetsLabel = 10070;
inline constexpr std::int32_t StoredQueenLabel = 10071;
inline constexpr std::int32_t UniteColonyLabel = 10072;
inline constexpr std::int32_t RemovedQueenLabel = 10073;
inline constexpr std::int32_t RemovedFateLabel = 10074;
inline constexpr std::int32_t OldQueenFateLabel = 10075;
inline constexpr std::int32_t NewQueenLabel = 10076;
inline constexpr std::int32_t SwarmCaughtLabel = 10077;
inline constexpr std::int32_t MoveToLabel = 10078;
inline constexpr std::int32_t LossCauseLabel = 10079;
inline constexpr std::int32_t QueenToStore = 10080;

}

// Sizes of the numbered lists above, their "none" entry included.
inline constexpr std::int32_t FamilyTypeCount = 14;
inline constexpr std::int32_t QueenStateCount = 4;
inline constexpr std::int32_t DiseaseCount = 33;
inline constexpr std::int32_t BreedCount = 34;

// Every identifier above, in ascending order.
inline constexpr std::array AllStringIds = {
    StringId::ButtonCancel, StringId::ButtonSave, StringId::ButtonApply, StringId::ButtonClose,
    StringId::ButtonDefaults, StringId::ButtonAdd, StringId::ButtonDelete, StringId::ButtonChange,
    StringId::FieldTypeWholeNumber, StringId::FieldTypeDecimalNumber, StringId::FieldTypeYesNo,
    StringId::FieldTypeText, StringId::QueenCardButton, StringId::WeekdayMonday, StringId::WeekdayTuesday,
    StringId::WeekdayWednesday, StringId::WeekdayThursday, StringId::WeekdayFriday, StringId::WeekdaySaturday,
    StringId::WeekdaySunday, StringId::MonthJanuary, StringId::MonthFebruary, StringId::MonthMarch,
    StringId::MonthApril, StringId::MonthMay, StringId::MonthJune, StringId::MonthJuly, StringId::MonthAugust,
    StringId::MonthSeptember, StringId::MonthOctober, StringId::MonthNovember, StringId::MonthDecember,
    StringId::FieldTypeDate, StringId::QueenTreeAllQueens, StringId::MainWindowCaption, StringId::JournalName,
    StringId::JournalRefused, StringId::JournalNotADatabase, StringId::JournalDamaged, StringId::JournalIsFolder,
    StringId::JournalReadOnly, StringId::JournalLocked,
    StringId::SettingsName, StringId::RestoreDefaultsQuestion, StringId::ColumnNameLabel,
    StringId::ColumnTypeLabel, StringId::MainSettingsTitle, StringId::LanguageLabel, StringId::PrinterLabel,
    StringId::JournalStyleLabel, StringId::HousingTypesLabel, StringId::FrameTypesLabel,
    StringId::PointViewSettingsTitle, StringId::AdditionalHeader, StringId::ShownColumnsLabel,
    StringId::ShowNote, StringId::FamilyViewSettingsTitle, StringId::ShowStrength, StringId::ShowBrood,
    StringId::ShowHoney, StringId::ShowFrames, StringId::ShowHousingCount, StringId::ShowQueenBirthDates,
    StringId::ShowQueenState, StringId::ShowWax, StringId::ShowFamilyType, StringId::RecordViewSettingsTitle,
    StringId::ShowMarketableHoney, StringId::ShowExtractedHoney, StringId::ShowFeeding,
    StringId::ShowSealedBrood, StringId::ShowOpenBrood, StringId::ShowWaxGiven, StringId::ShowAmbrosia,
    StringId::ShowDiseases, StringId::TreeViewStyleName, StringId::HousingNameLabel,
    StringId::HousingTypeLabel, StringId::FrameTypeLabel, StringId::HousingDialogTitle,
    StringId::RecordsFromLabel, StringId::RecordsToLabel, StringId::AddPoint, StringId::ChangePoint,
    StringId::DeletePoint, StringId::AddFamily, StringId::ChangeFamily, StringId::DeleteFamily,
    StringId::AddInspect, StringId::ChangeInspect, StringId::DeleteInspect, StringId::DeleteQueenBee,
    StringId::AddQueenBee, StringId::ChangeQueenBee, StringId::RemoveHousingQuestion, StringId::JournalTab,
    StringId::QueenBeesTab, StringId::FamilyTypeNone, StringId::FamilyTypeProduction,
    StringId::FamilyTypeNucleus, StringId::FamilyTypeSplit, StringId::FamilyTypeSwarm,
    StringId::FamilyTypePackage, StringId::FamilyTypeBreeder, StringId::FamilyTypeDroneSource,
    StringId::FamilyTypeStarter, StringId::FamilyTypeCellFinisher, StringId::FamilyTypeReserve,
    StringId::FamilyTypePollination, StringId::FamilyTypeTrial, StringId::FamilyTypeForSale,
    StringId::QueenStateNone, StringId::QueenStatePresent, StringId::QueenStateMissing,
    StringId::QueenStateVirgin, StringId::DiseaseNone, StringId::DiseaseVarroosis,
    StringId::DiseaseAcarapisosis, StringId::DiseaseNosemosis, StringId::DiseaseAmericanFoulbrood,
    StringId::DiseaseEuropeanFoulbrood, StringId::DiseaseParafoulbrood, StringId::DiseaseChalkbrood,
    StringId::DiseaseStonebrood, StringId::DiseaseSacbrood, StringId::DiseaseDeformedWingVirus,
    StringId::DiseaseAcuteParalysis, StringId::DiseaseChronicParalysis, StringId::DiseaseBlackQueenCellVirus,
    StringId::DiseaseAmoebiasis, StringId::DiseaseSepticaemia, StringId::DiseaseHafniosis,
    StringId::DiseaseColibacillosis, StringId::DiseaseBraulosis, StringId::DiseaseTropilaelaps,
    StringId::DiseaseSmallHiveBeetle, StringId::DiseaseGreaterWaxMoth, StringId::DiseaseLesserWaxMoth,
    StringId::DiseaseSenotainiosis, StringId::DiseaseMeloidosis, StringId::DiseaseMermithidosis,
    StringId::DiseasePollenPoisoning, StringId::DiseaseHoneydewPoisoning, StringId::DiseaseNectarPoisoning,
    StringId::DiseasePesticidePoisoning, StringId::DiseaseChilledBrood, StringId::DiseaseAsianHornet,
    StringId::DiseaseBeeWolf, StringId::HousingManagerTitle, StringId::NewHousingTab,
    StringId::ExistingHousingTab, StringId::HousingNameOnlyTab, StringId::PointNameField, StringId::NoteField,
    StringId::FamilyNameField, StringId::FamilyTypeField, StringId::FramesField, StringId::StrengthField,
    StringId::HoneyField, StringId::BroodField, StringId::WaxField, StringId::HousingCountField,
    StringId::QueenStateField, StringId::QueenBirthDatesField, StringId::RecordDateField,
    StringId::AmbrosiaField, StringId::ExtractedHoneyField, StringId::FeedingField, StringId::DiseaseField,
    StringId::HousingNameField, StringId::OpenBroodField, StringId::SealedBroodField,
    StringId::MarketableHoneyField, StringId::PointFamiliesWithoutQueen, StringId::PointLivingQueens,
    StringId::FamilyLivingQueens, StringId::FamilyAllQueens, StringId::QueenBirthDateLabel,
    StringId::QueenBreedLabel, StringId::QueenFertLabel, StringId::QueenAliveState, StringId::QueenDeadState,
    StringId::QueenNameLabel, StringId::QueenAliveLabel, StringId::QueenDescriptionLabel,
    StringId::QueenManagerTitle, StringId::MoveQueenToFamily, StringId::ChangeQueenMother,
    StringId::NoQueenChosen, StringId::QueenMotherLabel, StringId::RecordMotherButton,
    StringId::PlaceInFamilyButton, StringId::QueenWithoutFamily, StringId::QueenWithoutMother,
    StringId::CurrentFamilyLabel, StringId::CurrentMotherLabel, StringId::NoFamilyChosen,
    StringId::NoMotherChosen, StringId::NewFamilyLabel, StringId::NewMotherLabel, StringId::BreedNone,
    StringId::BreedCentralRussian, StringId::BreedBurzyan, StringId::BreedCarpathian,
    StringId::BreedCarniolan, StringId::BreedCarniolanPeschetz, StringId::BreedCarniolanTroiseck,
    StringId::BreedCarniolanSklenar, StringId::BreedGreyMountainCaucasian, StringId::BreedMegrelian,
    StringId::BreedKuban, StringId::BreedYellowCaucasian, StringId::BreedFarEastern,
    StringId::BreedUkrainianSteppe, StringId::BreedPolesian, StringId::BreedItalian, StringId::BreedCordovan,
    StringId::BreedBuckfast, StringId::BreedMacedonian, StringId::BreedGreek, StringId::BreedSicilian,
    StringId::BreedMaltese, StringId::BreedIberian, StringId::BreedAnatolian, StringId::BreedCyprian,
    StringId::BreedSyrian, StringId::BreedPersian, StringId::BreedArmenian, StringId::BreedEgyptian,
    StringId::BreedTellian, StringId::BreedScutellata, StringId::BreedCape, StringId::BreedElgon,
    StringId::BreedSaskatraz, StringId::ToolbarPrint, StringId::ToolbarExport, StringId::ToolbarCharts,
    StringId::ToolbarBackups, StringId::PrintSavePdf, StringId::PrintPdfTitle, StringId::PrintPdfFilter,
    StringId::PrintPrintedOn, StringId::PrintSitesTitle, StringId::PrintColoniesTitle, StringId::PrintRecordsTitle,
    StringId::PrintHiveLinesCaption, StringId::PrintQueensTitle, StringId::PrintFamilyTreeTitle,
    StringId::PrintPdfFailed, StringId::PrintNothingOnPage, StringId::ExportCurrentTable,
    StringId::ExportWholeJournal, StringId::ExportSaveTitle,
    StringId::ExportFolderTitle, StringId::CsvFileFilter, StringId::ExportTableDone, StringId::ExportTableFailed,
    StringId::ExportJournalDone, StringId::ExportJournalFailed, StringId::ExportNoTable,
    StringId::HiveLinesFileSuffix, StringId::BackupDialogTitle, StringId::BackupNowButton,
    StringId::BackupRestoreButton, StringId::BackupOpenFolderButton, StringId::BackupDateColumn,
    StringId::BackupSizeColumn, StringId::BackupColoniesColumn, StringId::BackupRecordsColumn, StringId::BackupFailed,
    StringId::RestoreQuestion, StringId::RestoreQuestionNote, StringId::RestoreDone, StringId::RestoreNotJournal,
    StringId::RestoreFailed, StringId::BackupsKeptLabel, StringId::OpenFolderFailed, StringId::BackupUnreadable,
    StringId::SizeKilobytes, StringId::SizeMegabytes, StringId::ChartsTab, StringId::ChartColonyTitle,
    StringId::ChartSiteTitle, StringId::ChartAllSitesTitle, StringId::ChartHoneyTaken, StringId::ChartLatestStrength,
    StringId::ChartSeasonLabel, StringId::ChartNoColonyRecords, StringId::ChartNoSiteRecords,
    StringId::ChartNoRecords, StringId::ChangeNotSaved, StringId::NotSavedDiskFull, StringId::NotSavedLocked,
    StringId::NotSavedDamaged, StringId::NotSavedReadOnly, StringId::NotSavedOther, StringId::ChangedOutside,
    StringId::RemovedOutside, StringId::JournalDamagedFound, StringId::JournalDamagedRestoreQuestion,
    StringId::JournalDamagedNoGoodBackup, StringId::JournalHeldForReading, StringId::WorkFolderReadOnly,
    StringId::JournalTablesMissing, StringId::OwnerSiteGone, StringId::OwnerColonyGone, StringId::OwnerRecordGone,
    StringId::NameRequired, StringId::FutureDateNotice, StringId::UnlikelyValuesNotice, StringId::AtMostLabel,
    StringId::SaveAnywayQuestion, StringId::NumberTooLong, StringId::CheckValuesTitle,
    StringId::NoType, StringId::TreeFilterHint, StringId::NewerJournalNotice, StringId::HiveOfOtherColony,
    StringId::MoveHiveQuestion,
    StringId::StartFromLastRecord, StringId::SaveAndNextColony, StringId::DiscardTypedQuestion,
    StringId::ShowOlderRecords, StringId::StarterHiveTypes, StringId::StarterFrameTypes,
    StringId::DeleteNamedQuestion, StringId::DeleteSiteGoesWith, StringId::DeleteColonyGoesWith,
    StringId::DeleteHousingTitle, StringId::LanguageAtNextOpening, StringId::AboutButton, StringId::AboutTitle,
    StringId::AboutVersion, StringId::AboutLicence, StringId::AboutJournalLabel, StringId::AboutBackupsLabel,
    StringId::AboutSettingsLabel, StringId::AboutOpenFolder, StringId::HelpButton, StringId::HelpMissing,
    StringId::CsvCommaStyle, StringId::CsvSemicolonStyle, StringId::ExportCurrentTableBook,
    StringId::ExportWholeJournalBook, StringId::XlsxFileFilter, StringId::ExportBookSaveTitle, StringId::ExportBookDone,
    StringId::ExportBookFailed, StringId::JournalBookName, StringId::ExportJournalJson, StringId::ImportJournalJson,
    StringId::JsonFileFilter, StringId::ExportJsonDone, StringId::ExportJsonFailed, StringId::ImportJsonDone,
    StringId::ImportNotJournal, StringId::ImportNewerFormat, StringId::ImportJournalNotEmpty, StringId::ImportTitle,
    StringId::ImportBackupFailed, StringId::ExportJsonSaveTitle,
    StringId::ImportTableMenu, StringId::ImportTableTitle, StringId::ImportTableFilter,
    StringId::ImportTableUnreadable, StringId::ImportTableNothing, StringId::ImportTableDone,
    StringId::ImportColumnCaption, StringId::ImportSamplesCaption, StringId::ImportTargetCaption,
    StringId::ImportTargetSkip, StringId::ImportTargetUserField, StringId::ImportPreviewRecords,
    StringId::ImportPreviewNewSites, StringId::ImportPreviewNewColonies, StringId::ImportPreviewNewHives,
    StringId::ImportPreviewSkipped, StringId::ImportPreviewRow, StringId::ImportSkipNoDate,
    StringId::ImportSkipBadDate, StringId::ImportSkipBadNumber, StringId::ImportSkipNotWhole,
    StringId::ImportSkipNoColony, StringId::ImportSkipNoSite, StringId::ImportButton,
    StringId::ImportSkipAlreadyInJournal, StringId::ExportReadableBook, StringId::ExportReadableCsv,
    StringId::ReadableJournalName, StringId::HivesSheetName, StringId::QueensSheetName, StringId::EventsSheetName,
    StringId::EventQueensSheetName, StringId::HiveLinesSheetName, StringId::SiteNumberColumn,
    StringId::ColonyNumberColumn, StringId::RecordNumberColumn, StringId::HiveNumberColumn,
    StringId::QueenNumberColumn,
    StringId::HideEndedColonies, StringId::EventMarkSplit, StringId::EventMarkUnite, StringId::EventMarkRequeen,
    StringId::EventMarkSwarm, StringId::EventMarkMove, StringId::EventMarkLoss, StringId::WinterLossesButton,
    StringId::ChartsButton, StringId::WinterLossesTitle, StringId::WinterLossSeason, StringId::WinterLossAlive,
    StringId::WinterLossLost, StringId::WinterLossPercent, StringId::WinterLossCauses, StringId::WinterLossRule,
    StringId::WinterLossNone, StringId::LossCauseStarvation, StringId::LossCauseVarroa,
    StringId::LossCauseQueenFailure, StringId::LossCauseRobbing, StringId::LossCausePoisoning,
    StringId::LossCauseOther, StringId::LossCauseUnknown, StringId::EventsFileColumns,
    StringId::EventQueensFileColumns, StringId::DaughterQueenNone, StringId::DaughterQueenOld,
    StringId::DaughterQueenCell, StringId::DaughterQueenStored, StringId::QueenFateKilled,
    StringId::QueenFateSuperseded, StringId::QueenFateMoved, StringId::QueenFateIntroduced,
    StringId::QueenFateSwarmed, StringId::QueenFateDied, StringId::AnswerYes, StringId::AnswerNo,
    StringId::ColonyTreeTab, StringId::ColonyTreePrintTitle, StringId::ColonyMadeBySplit, StringId::ColonyMadeBySwarm,
    StringId::ColonyLostOn, StringId::ColonyLostOnOfCause,
    StringId::ColonyUnitedInto, StringId::ColonyUnitedInOn, StringId::ColonyNoLineage, StringId::ColonyTreeChooseColony,
    StringId::EventRefusalNoEventTables, StringId::EventRefusalNoColony, StringId::EventRefusalColonyEnded,
    StringId::EventRefusalSameColony, StringId::EventRefusalBeforeLatestEvent, StringId::EventRefusalNoSite,
    StringId::EventRefusalSameSite, StringId::EventRefusalQueenNotThere, StringId::EventRefusalBadChoice,
    StringId::EventRefusalNoEvent, StringId::EventRefusalNotLatestEvent, StringId::EventRefusalChangedSince,
    StringId::HistoryTab, StringId::EventKindSplit, StringId::EventKindUnite, StringId::EventKindRequeen,
    StringId::EventKindSwarm, StringId::EventKindMove, StringId::EventKindLoss, StringId::HistoryDateColumn,
    StringId::HistoryWhatColumn, StringId::HistoryNoteColumn, StringId::HistoryInspection, StringId::HistoryMother,
    StringId::HistoryDaughters, StringId::HistoryUnitedIn, StringId::HistoryUnitedInto, StringId::HistoryNone,
    StringId::UndoLastEvent, StringId::UndoEventQuestion, StringId::SplitButton, StringId::UniteButton,
    StringId::RequeenButton, StringId::SwarmButton, StringId::MoveButton, StringId::LossButton,
    StringId::HistorySplit, StringId::HistorySplitFrom, StringId::HistoryUnitedWith,
    StringId::HistoryUnitedIntoColony, StringId::HistoryRequeened, StringId::HistorySwarmCaught,
    StringId::HistorySwarmLost, StringId::HistorySwarmFrom, StringId::HistoryMoved, StringId::HistoryLost,
    StringId::HistoryQueen, StringId::NewColonyNameLabel, StringId::SiteLabel, StringId::BroodFramesLabel,
    StringId::HoneyFramesLabel, StringId::BeeFramesLabel, StringId::DaughterGetsLabel, StringId::StoredQueenLabel,
    StringId::UniteColonyLabel, StringId::RemovedQueenLabel, StringId::RemovedFateLabel,
    StringId::OldQueenFateLabel, StringId::NewQueenLabel, StringId::SwarmCaughtLabel, StringId::MoveToLabel,
    StringId::LossCauseLabel, StringId::QueenToStore,
    StringId::CareNoTables, StringId::CareRefusalNoColonies, StringId::CareRefusalNoProduct,
    StringId::CareRefusalDates, StringId::CareRefusalAmount, StringId::CareRefusalNoFeed,
    StringId::CareRefusalProductInUse, StringId::CareRefusalFeedInUse, StringId::CareRefusalNoName,
    StringId::StarterProducts, StringId::StarterFeedTypes, StringId::TreatmentButton, StringId::FeedingButton,
    StringId::HarvestButton, StringId::TreatmentTitle, StringId::FeedingTitle, StringId::HarvestTitle,
    StringId::ProductLabel, StringId::BatchLabel, StringId::DoseLabel, StringId::UnitLabel,
    StringId::MethodLabel, StringId::FirstDayLabel, StringId::LastDayLabel, StringId::WithdrawalDaysLabel,
    StringId::PrescriberLabel, StringId::ColoniesLabel, StringId::WholeSiteLabel, StringId::FeedLabel,
    StringId::AmountLabel, StringId::UnitKilograms, StringId::UnitLitres, StringId::LotLabel,
    StringId::HoneyKindLabel, StringId::SupersLabel, StringId::WithdrawalWarning, StringId::HistoryTreatment,
    StringId::HistoryWithheld, StringId::HistoryFeeding, StringId::HistoryHarvest, StringId::HistoryLot,
    StringId::WithdrawalEndColumn, StringId::LastTreatmentColumn, StringId::NoteLabel,
    StringId::SugarShareLabel, StringId::DensityLabel, StringId::DeleteCareButton, StringId::DeleteCareQuestion,
    StringId::RegisterMenu, StringId::RegisterTitle, StringId::SubstanceLabel, StringId::TreatmentsSheetName,
    StringId::FeedingsSheetName, StringId::HarvestsSheetName, StringId::SugarColumn, StringId::SuperCountColumn,
    StringId::HoneyWeightColumn, StringId::ColonyQueensColumn, StringId::ProductsButton, StringId::FeedsButton,
    StringId::ProductsTitle, StringId::FeedsTitle, StringId::NameLabel, StringId::FormLabel,
    StringId::NewEntryButton, StringId::WithheldHoneyNotice, StringId::SeasonHoneyColumn,
    StringId::SeasonSugarColumn, StringId::CareRefusalCount, StringId::MiteCountButton,
    StringId::MiteCountTitle, StringId::MethodStickyBoard, StringId::MethodAlcoholWash,
    StringId::MethodSugarRoll, StringId::MethodDroneBrood, StringId::MitesLabel, StringId::SampleLabel,
    StringId::BoardDaysLabel, StringId::HistoryMiteCount, StringId::MitesPerDay, StringId::MiteCountsSheetName,
    StringId::VarroaColumn, StringId::VarroaAbove, StringId::VarroaNear, StringId::VarroaBelow,
    StringId::HistoryEfficacy, StringId::MiteThresholdsTitle, StringId::MiteThresholdsUnits,
    StringId::ChartColonyVarroaTitle, StringId::ChartSiteVarroaTitle, StringId::ChartJournalVarroaTitle,
    StringId::ChartNoMiteCounts, StringId::ChartNoRecentCounts, StringId::ChartNoneAboveThreshold,
    StringId::ThresholdWord, StringId::ShareOfThresholdAxis, StringId::HistorySiteEfficacy,
    StringId::MiteThresholdsSource, StringId::SampleVolumeLabel,
    StringId::TaskNoTables, StringId::TaskRefusalTitle, StringId::TaskRefusalRepeat,
    StringId::TaskKindInspection, StringId::TaskKindTreatment, StringId::TaskKindFeeding,
    StringId::TaskKindQueenCheck, StringId::TaskKindHarvest, StringId::TaskKindOther, StringId::TaskTitleLabel,
    StringId::TaskKindLabel, StringId::TaskDueLabel, StringId::TaskTimeLabel, StringId::TaskEveryDaysLabel,
    StringId::TaskUntilLabel, StringId::TaskDialogTitle, StringId::TaskButton, StringId::HistoryTask,
    StringId::HistoryTaskDone, StringId::TaskRefusalTime, StringId::TaskDoneButton,
    StringId::ExportTasksCalendar, StringId::CalendarFileFilter, StringId::ExportCalendarSaveTitle,
    StringId::ExportCalendarDone, StringId::ExportCalendarFailed, StringId::CalendarFileName,
    StringId::CloseTaskQuestion, StringId::DueButton, StringId::DueTitle, StringId::DueToday,
    StringId::DueOverdue, StringId::FieldSheetTitle, StringId::FieldSheetMenu, StringId::LastRecordColumn,
    StringId::QueenColumn, StringId::TasksDueColumn, StringId::FieldQueenSeen, StringId::FieldEggs,
    StringId::FieldStores, StringId::FieldTemper, StringId::FieldNotes, StringId::MarkingBlue,
    StringId::MarkingWhite, StringId::MarkingYellow, StringId::MarkingRed, StringId::MarkingGreen,
    StringId::FollowUpSplitTitle, StringId::FollowUpRequeenTitle, StringId::FollowUpTreatmentEndTitle,
    StringId::FollowUpMiteCountTitle, StringId::FollowUpQuestion, StringId::FollowUpSettingsTitle,
    StringId::FollowUpSplitDays, StringId::FollowUpRequeenDays, StringId::FollowUpMiteDays,
    StringId::FollowUpOffer, StringId::CalendarTab, StringId::CalendarTitle, StringId::CalendarToday,
    StringId::CalendarRecord, StringId::CalendarMore, StringId::CalendarCount,
};
