#include "Application.h"

#include "BackupDialog.h"
#include "DatabaseManager.h"
#include "HelpKey.h"
#include "IComponent.h"
#include "InstanceLock.h"
#include "IWnd.h"
#include "JournalHandlers.h"
#include "JournalComponent.h"
#include "JournalFileCheck.h"
#include "KeptBackups.h"
#include "LanguageManager.h"
#include "LayoutStore.h"
#include "MessageBox.h"
#include "ProgramHelp.h"
#include "SchemaMigrations.h"
#include "SchemaTables.h"
#include "SettingsComponent.h"
#include "SettingsManager.h"
#include "StartBackup.h"
#include "StarterTypes.h"
#include "StorageErrors.h"
#include "StringIds.h"
#include "Tr.h"
#include "VisualManager.h"
#include "WindowClass.h"
#include "Wnd.h"

#include <filesystem>
#include <optional>

namespace {
CApplication* g_application = nullptr;
constexpr char16_t kMainClassName[] = u"TolvikMainClass";
constexpr int kApplicationIcon = 128;

std::int32_t ReasonText(JournalFileState state)
{
    switch (state) {
    case JournalFileState::NotADatabase:
        return StringId::JournalNotADatabase;
    case JournalFileState::Damaged:
        return StringId::JournalDamaged;
    case JournalFileState::Folder:
        return StringId::JournalIsFolder;
    case JournalFileState::ReadOnly:
        return StringId::JournalReadOnly;
    case JournalFileState::Locked:
        return StringId::JournalLocked;
    case JournalFileState::Usable:
        break;
    }
    return 0;
}

std::u16string AbsolutePath(const std::u16string& path)
{
    std::error_code error;
    return FromPath(std::filesystem::absolute(ToPath(path), error).lexically_normal());
}

void Tell(const std::u16string& text, UINT icon)
{
    MessageBoxW(nullptr, text, Tr(StringId::MainWindowCaption), MB_OK | icon);
}

void Refuse(const std::u16string& path, std::int32_t reason)
{
    Tell(Tr(StringId::JournalRefused) + u"\n" + AbsolutePath(path) + u"\n\n" + Tr(reason), MB_ICONERROR);
}

// Said before the backup, which keeps the journal as found; the tables are created after it.
// Whether any are missing.
bool ReportMissingTables()
{
    const std::vector<std::u16string> missing = MissingSchemaTables(CDatabaseLease().get());
    if (missing.empty())
        return false;
    std::u16string names;
    for (const std::u16string& name : missing)
        names += (names.empty() ? u"" : u", ") + name;
    Tell(Tr(StringId::JournalTablesMissing) + u"\n" + names, MB_ICONWARNING);
    return true;
}

// The journal stays held for reading unless a restore replaces it with a good backup.
void OfferRestore()
{
    const std::vector<std::filesystem::path> good = JournalBackups().List();
    const std::u16string found = Tr(StringId::JournalDamagedFound) + u"\n" + AbsolutePath(kJournalDatabase) + u"\n\n";
    if (good.empty()) {
        Tell(found + Tr(StringId::JournalDamagedNoGoodBackup), MB_ICONERROR);
        return;
    }
    const std::u16string question = found + Tr(StringId::JournalDamagedRestoreQuestion) + u' ' + BackupTakenAt(good.back()) + u'?';
    if (MessageBoxW(nullptr, question, Tr(StringId::MainWindowCaption), MB_YESNO | MB_ICONERROR) == IDYES)
        CBackupDialog().DoModal();
}

// A damaged copy holds the journal for reading and offers the newest good backup; a copy that
// could not be made is told here when `tellFailure`, and by the start itself otherwise.
void SettleBackup(const std::filesystem::path& copy, bool tellFailure)
{
    const bool damaged = !copy.empty() && CJournalBackups::IsDamaged(copy);
    GetDatabaseManager()->HoldForReading(damaged);
    if (damaged)
        OfferRestore();
    if (tellFailure && copy.empty())
        Tell(Tr(StringId::BackupFailed), MB_ICONWARNING);
}
}

IApplication* GetApplication()
{
    if (!g_application)
        g_application = new CApplication();
    return g_application;
}

CApplication::CApplication() = default;

CApplication::~CApplication()
{
    GetStartBackup()->Abandon();
    GetSettingsManager()->Initialize({});
    for (IComponent* component : m_components)
        component->Release();
    m_components.clear();
    if (g_application == this)
        g_application = nullptr;
}

void CApplication::Release()
{
    delete this;
}

std::vector<IComponent*> CApplication::GetComponents()
{
    return m_components;
}

bool CApplication::MayOpenJournal()
{
    m_instanceLock = std::make_unique<CInstanceLock>(u".");
    if (m_instanceLock->CouldNotBeMade()) {
        Refuse(u".", StringId::WorkFolderReadOnly);
        return false;
    }
    if (!m_instanceLock->IsHeld()) {
        m_instanceLock->RequestShow();
        return false;
    }
    const JournalFileState state = CheckJournalFile(kJournalDatabase);
    if (state == JournalFileState::Usable)
        return true;
    Refuse(kJournalDatabase, ReasonText(state));
    return false;
}

bool CApplication::InitInstance()
{
    SetStorageErrorReporter([](const std::u16string& text) { AfxMessageBox(text, MB_OK); });
    GetLanguageManager()->Initialize();
    SetHelpAction([] { OpenGuide(nullptr); });
    if (!MayOpenJournal())
        return false;
    const bool newJournal = !std::filesystem::exists(ToPath(kJournalDatabase));
    LoadLayout();
    const bool tablesMissing = ReportMissingTables();
    const SchemaMigrations::State schema = SchemaMigrations::StateOf(CDatabaseLease().get());
    const bool stepsDue = schema == SchemaMigrations::State::Due;
    // A copy of the journal as this session found it, unless the newest copy already is one. Missing
    // tables and schema steps wait for that copy, and never touch a damaged journal.
    CJournalBackups backups = JournalBackups();
    std::optional<std::filesystem::path> backup;
    if (tablesMissing)
        backup = backups.BackUp();
    else if (std::filesystem::path kept = backups.KeepIfUnchanged(); !kept.empty())
        backup = kept;
    else if (stepsDue && !newJournal)
        backup = backups.BackUp();
    const bool damaged = backup && CJournalBackups::IsDamaged(*backup);
    GetDatabaseManager()->HoldForReading(damaged);
    GetDatabaseManager()->Initialize();
    // A new journal has nothing to lose; another one takes the steps only with a copy behind it.
    if (stepsDue && !damaged && (newJournal || (backup && !backup->empty()))) {
        const bool hadCare = SchemaMigrations::FileVersion(CDatabaseLease().get()) >= SchemaMigrations::kCareStep;
        SchemaMigrations::Migrate(CDatabaseLease().get());
        // The dictionaries start with the common medicines and feeds, in the beekeeper's language.
        if (!hadCare && SchemaMigrations::FileVersion(CDatabaseLease().get()) >= SchemaMigrations::kCareStep)
            GetJournalHandlers()->care.AddStarterLists();
    }
    if (schema == SchemaMigrations::State::Newer)
        Tell(Tr(StringId::NewerJournalNotice), MB_ICONINFORMATION);
    // A changed journal is copied and checked beside the loading and the launcher; the journal only
    // reads until the check has said whether it may be written.
    if (!backup)
        GetStartBackup()->Begin(backups, [](const std::filesystem::path& copy) { SettleBackup(copy, true); });
    GetDatabaseManager()->HoldForReading(true);
    m_components.push_back(new CSettingsComponent());
    m_components.back()->Create();
    auto* journal = new CJournalComponent();
    m_components.push_back(journal);
    journal->Create();
    if (backup)
        SettleBackup(*backup, false);
    // A new journal has no copy to wait for: its first change settles the start's check.
    if (newJournal)
        AddStarterTypes(*journal);
    GetSettingsManager()->Initialize(m_components);
    GetVisualManager()->LoadComponents(m_components);
    const std::vector<std::u16string> unreadable = UnreadableLanguageFiles();
    if (!unreadable.empty())
        MessageBoxW(nullptr, UnreadableLanguageFilesText(unreadable), u"Tolvik", MB_OK | MB_ICONWARNING);
    // Backups that stop being made must not go unnoticed; the journal still opens.
    if (backup && backup->empty())
        Tell(Tr(StringId::BackupFailed), MB_ICONWARNING);
    CWinApp::InitInstance();

    m_pMainWnd = dynamic_cast<CWnd*>(GetVisualManager()->GetMainWindow());
    WNDCLASS mainClass;
    mainClass.style = CS_HREDRAW | CS_VREDRAW;
    mainClass.hIcon = LoadIcon(kApplicationIcon);
    mainClass.hCursor = LoadCursor(IDC_ARROW);
    mainClass.lpszClassName = kMainClassName;
    AfxRegisterClass(&mainClass);
    const std::u16string caption = Tr(StringId::MainWindowCaption);
    if (m_pMainWnd)
        m_pMainWnd->CreateEx(0, kMainClassName, caption, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, 520, 545, nullptr, 0);

    m_instanceLock->OnShowRequest([this] {
        if (m_pMainWnd && m_pMainWnd->GetSafeHwnd()) {
            m_pMainWnd->ShowWindow(SW_RESTORE);
            m_pMainWnd->SetForegroundWindow();
        }
    });
    return true;
}
