#include "ProgramHelp.h"

#include "FolderOpener.h"
#include "LanguageManager.h"
#include "MessageBox.h"
#include "StringIds.h"
#include "Text.h"

#include <filesystem>

std::u16string GuideFile()
{
    const std::u16string name = u"Lang/help/" + GetLanguageManager()->GetCurrentLanguage() + u".html";
    return FromPath(std::filesystem::absolute(ToPath(name)));
}

void OpenGuide(CWnd* owner)
{
    const std::u16string guide = GuideFile();
    if (std::filesystem::exists(ToPath(guide)) && OpenDocument(guide))
        return;
    ILanguageManager* language = GetLanguageManager();
    MessageBoxW(owner, language->GetString(StringId::HelpMissing) + u"\n" + guide,
        language->GetString(StringId::MainWindowCaption), MB_OK | MB_ICONERROR);
}
