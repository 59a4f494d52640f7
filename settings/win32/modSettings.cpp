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
std::optional<IniDocument> ReadSettingsDocument(DWORD& error)
{
    const std::optional<std::string> bytes = ReadFileBytes(SettingsFilePath(), error);
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
    DWORD unreadable = ERROR_SUCCESS;
    gSettings = ReadSettings(ReadSettingsDocument(unreadable).value_or(IniDocument{}));
}

uint32_t SaveSettings()
{
    EnsureSettingsFolder();
    // A file that exists but cannot be read is left alone rather than replaced by one
    // without the sections and keys it holds.
    DWORD error = ERROR_SUCCESS;
    std::optional<IniDocument> file = ReadSettingsDocument(error);
    if (!file)
        return error;
    WriteSettings(gSettings, *file);
    return ReplaceFileBytes(SettingsFilePath(), EncodeFileText(file->Serialise(), kSystemCodePage));
}

namespace {

// Worked out afresh at every call, as the environment and the files stand then.
SettingsLocation Location()
{
    const std::string exe = ModuleFileName();
    return SettingsLocationFor(EnvironmentVariable("APPDATA"), exe, FileFound(PortableSettingsFileFor(exe)));
}

}  // namespace

std::string SettingsFolder()
{
    return Location().folder;
}

std::string SettingsFilePath()
{
    return Location().file;
}

void EnsureSettingsFolder()
{
    const std::string folder = SettingsFolder();
    if (!FolderFound(folder))
        CreateDirectoryW(Wide(folder).c_str(), nullptr);
}

void MigrateLegacySettings()
{
    const SettingsLocation location = Location();
    const std::string& target = location.file;
    const std::string& legacy = location.legacyFile;
    if (FileFound(target) || legacy.empty() || !FileFound(legacy))
        return;
    EnsureSettingsFolder();
    // Never over a file of ours, even one too hidden to be found above.
    CopyFileW(Wide(legacy).c_str(), Wide(target).c_str(), TRUE);
}

std::string ExePath()
{
    return ExePathFor(ModuleFileName());
}
