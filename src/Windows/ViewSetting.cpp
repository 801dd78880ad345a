#include "ViewSetting.h"

#include "ISetting.h"
#include "SettingsManager.h"
#include "Tr.h"

bool IsViewSettingChecked(std::int32_t captionId, const std::u16string& name)
{
    ISetting* page = GetSettingsManager()->FindSetting(Tr(captionId));
    return page && page->GetSavedValue(name) == kChecked;
}
