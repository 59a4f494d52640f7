#pragma once
#include <cstdint>
#include <string>

// The settings file, settings.ini, and its place on disk. The program goes on with the values
// it holds in memory when the file cannot be read or written.

// Fills gSettings from the file; writes the defaults out when there is no file.
void LoadSettings();
// Writes gSettings to the file. Gives 0, or the system's error code when the file could not
// be written; then the file is as it was.
uint32_t SaveSettings();

std::string SettingsFolder();
std::string SettingsFilePath();
void EnsureSettingsFolder();
// Copies the earlier edition's settings file into place when the program has none.
void MigrateLegacySettings();
// The running executable's full path, ending in ".exe".
std::string ExePath();
