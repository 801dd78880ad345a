#pragma once

#include <map>
#include <string>
#include <vector>

class IComponent;
class ISetting;

// Every settings page, by component name; the components own the pages.
class ISettingsManager
{
public:
    // Indexes the pages of the components; with two components of one name the first is kept.
    virtual void Initialize(const std::vector<IComponent*>& components) = 0;
    // The component's pages; the name must be present.
    virtual std::vector<ISetting*> GetComponentSettings(const std::u16string& component) = 0;
    // Component after component in name order, each component's pages in creation order.
    virtual std::vector<ISetting*> GetAllSettings() = 0;
    // The first page (in GetAllSettings order) whose caption is exactly caption, or null.
    virtual ISetting* FindSetting(const std::u16string& caption) = 0;

protected:
    virtual ~ISettingsManager() = default;
};

class CSettingsManager : public ISettingsManager
{
public:
    void Initialize(const std::vector<IComponent*>& components) override;
    std::vector<ISetting*> GetComponentSettings(const std::u16string& component) override;
    std::vector<ISetting*> GetAllSettings() override;
    ISetting* FindSetting(const std::u16string& caption) override;

private:
    std::map<std::u16string, std::vector<ISetting*>> m_settings;
};

ISettingsManager* GetSettingsManager();
