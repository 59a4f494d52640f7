#include "settings/modSettings.h"

#include <windows.h>

#include "platform/win32/Environment.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/Text.h"
#include "settings/FileText.h"
#include "settings/IniDocument.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsPaths.h"

namespace {

const AnsiCodePage kSystemCodePage{&Utf8FromAnsi, &AnsiFromUtf8};

// The settings file as it stands: empty when there is none, nothing when it cannot be read.
std::optional<IniDocument> ReadSettingsDocument()
{
    const std::optional<std::string> bytes = ReadFileBytes(SettingsFilePath());
    if (!bytes)
        return std::nullopt;
    return IniDocument::Parse(DecodeFileText(*bytes, kSystemCodePage));
}

}  // namespace

void LoadSettings()
{
    MigrateLegacySettings();
    if (!FileFound(SettingsFilePath())) {
        SetDefaults();
        SaveSettings();
        return;
    }
    gSettings = ReadSettings(ReadSettingsDocument().value_or(IniDocument{}));
}

void SaveSettings()
{
    EnsureSettingsFolder();
    // A file that exists but cannot be read is left alone rather than replaced by one
    // without the sections and keys it holds.
    std::optional<IniDocument> file = ReadSettingsDocument();
    if (!file)
        return;
    WriteSettings(gSettings, *file);
    ReplaceFileBytes(SettingsFilePath(), EncodeFileText(file->Serialise(), kSystemCodePage));
}

std::string SettingsFolder()
{
    return SettingsFolderFor(EnvironmentVariable("APPDATA"), ModuleFileName());
}

std::string SettingsFilePath()
{
    return SettingsFileIn(SettingsFolder());
}

void EnsureSettingsFolder()
{
    const std::string folder = SettingsFolder();
    if (!FolderFound(folder))
        CreateDirectoryW(Wide(folder).c_str(), nullptr);
}

void MigrateLegacySettings()
{
    const std::string target = SettingsFilePath();
    if (FileFound(target))
        return;
    const std::string legacy = LegacySettingsFileFor(EnvironmentVariable("APPDATA"));
    if (!FileFound(legacy))
        return;
    EnsureSettingsFolder();
    // Never over a file of ours, even one too hidden to be found above.
    CopyFileW(Wide(legacy).c_str(), Wide(target).c_str(), TRUE);
}

std::string ExePath()
{
    return ExePathFor(ModuleFileName());
}
