#include "ViewSetting.h"

#include "ISetting.h"
#include "LanguageManager.h"
#include "SettingsManager.h"

bool IsViewSettingChecked(std::int32_t captionId, const std::u16string& name)
{
    ISetting* page = GetSettingsManager()->FindSetting(GetLanguageManager()->GetString(captionId));
    return page && page->GetSavedValue(name) == u"checked";
}
