#pragma once
#include <string>
#include <string_view>

// Where the settings live, worked out from the application-data folder and the running
// executable's full path. Windows paths, backslashes.

// folder, a backslash unless folder already ends with one, then name.
std::string JoinPath(std::string_view folder, std::string_view name);

// The folder that holds the file at path, without a trailing backslash.
std::string FolderOf(std::string_view path);

// appData\Halcyra, or beside the executable when appData is empty.
std::string SettingsFolderFor(std::string_view appData, std::string_view exeFile);
std::string SettingsFileIn(std::string_view settingsFolder);
// The earlier edition's file; from appData alone, so an empty one points at the root
// of the current drive.
std::string LegacySettingsFileFor(std::string_view appData);
// A portable copy's file: settings.ini in the executable's own folder.
std::string PortableSettingsFileFor(std::string_view exeFile);

struct SettingsLocation {
    std::string folder;
    std::string file;
    std::string legacyFile;  // the earlier edition's file to take over; empty for none
    bool operator==(const SettingsLocation&) const = default;
};

// A settings.ini beside the executable makes a portable copy, which keeps its settings in that
// file and leaves the application-data folder alone; any other copy lives under appData.
SettingsLocation SettingsLocationFor(std::string_view appData, std::string_view exeFile, bool portableFileFound);

// The executable's path with its extension, whatever it is, replaced by ".exe".
std::string ExePathFor(std::string_view exeFile);
