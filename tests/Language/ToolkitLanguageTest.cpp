#include "BothLanguages.h"
#include "MessageBox.h"
#include "TempWorkDir.h"
#include "Text.h"
#include "UiTest.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {
// The shipped language files, one of them chosen, and the language manager started.
class ToolkitLanguageTest : public BothLanguages
{
protected:
    ToolkitLanguageTest()
        : registry(FromPath(dir.Path() / "config"))
    {
        std::filesystem::copy(std::filesystem::path(std::getenv("TOLVIK_SOURCE_DIR")) / "Lang", "Lang");
        ChooseLanguage();
        GetLanguageManager()->Initialize();
    }

    TempWorkDir dir;
    RegistryRootOverride registry;
};
}

TEST_P(ToolkitLanguageTest, TheToolkitsOwnButtonsSpeakTheChosenLanguage)
{
    std::vector<std::u16string> buttons;
    UiTest::RunFromLoop([&buttons] {
        buttons = UiTest::ModalButtonTexts();
        UiTest::CloseModal();
    });
    EXPECT_EQ(MessageBoxW(nullptr, u"?", u"Tolvik", MB_YESNO), IDNO);
    std::sort(buttons.begin(), buttons.end());
    EXPECT_EQ(buttons, Russian() ? (std::vector<std::u16string> { u"Да", u"Нет" })
                                 : (std::vector<std::u16string> { u"No", u"Yes" }));
}

INSTANTIATE_TEST_SUITE_P(Languages, ToolkitLanguageTest, ShippedLanguages(), LanguageName);
