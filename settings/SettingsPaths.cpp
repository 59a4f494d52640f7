#include "settings/SettingsPaths.h"

std::string JoinPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path.append(name);
}

std::string FolderOf(std::string_view path)
{
    const std::size_t slash = path.rfind('\\');
    return std::string(path.substr(0, slash == std::string_view::npos ? 0 : slash));
}

std::string SettingsFolderFor(std::string_view appData, std::string_view exeFile)
{
    return JoinPath(appData.empty() ? FolderOf(exeFile) : std::string(appData), "Halcyra");
}

std::string SettingsFileIn(std::string_view settingsFolder)
{
    return std::string(settingsFolder) + "\\settings.ini";
}

std::string LegacySettingsFileFor(std::string_view appData)
{
    return SettingsFileIn(JoinPath(appData, "Brindlewick"));
}

std::string PortableSettingsFileFor(std::string_view exeFile)
{
    return SettingsFileIn(FolderOf(exeFile));
}

SettingsLocation SettingsLocationFor(std::string_view appData, std::string_view exeFile, bool portableFileFound)
{
    if (portableFileFound)
        return {FolderOf(exeFile), PortableSettingsFileFor(exeFile), {}};
    const std::string folder = SettingsFolderFor(appData, exeFile);
    return {folder, SettingsFileIn(folder), LegacySettingsFileFor(appData)};
}

std::string ExePathFor(std::string_view exeFile)
{
    const std::size_t nameStart = exeFile.rfind('\\') + 1;  // 0 when there is no folder
    const std::size_t dot = exeFile.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && dot >= nameStart;
    return std::string(exeFile.substr(0, hasExtension ? dot : exeFile.size())) + ".exe";
}
