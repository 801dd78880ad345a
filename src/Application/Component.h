#pragma once

#include "IComponent.h"

#include <cstdint>
#include <memory>
#include <vector>

// A component with its settings pages and its visual component, both owned.
class CComponent : public IComponent
{
public:
    explicit CComponent(std::int32_t nameId);
    ~CComponent() override;
    CComponent(const CComponent&) = delete;
    CComponent& operator=(const CComponent&) = delete;

    void Release() override;
    std::u16string GetName() override;
    std::int32_t GetNameId() override;
    std::vector<ISetting*> GetSettings() override;
    IVisualComponent* GetVisualComponent() override;

protected:
    void AddSetting(ISetting* setting);
    void SetVisualComponent(IVisualComponent* visualComponent);

private:
    std::vector<ISetting*> m_settings;
    IVisualComponent* m_visualComponent = nullptr;
    std::int32_t m_nameId;
};
