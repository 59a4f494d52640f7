#pragma once
#include <string>

// The settings file, settings.ini, and its place on disk. Failures are silent: the
// program goes on with the values it holds in memory.

// Fills gSettings from the file; writes the defaults out when there is no file.
void LoadSettings();
// Writes gSettings to the file.
void SaveSettings();

std::string SettingsFolder();
std::string SettingsFilePath();
void EnsureSettingsFolder();
// Copies the earlier edition's settings file into place when the program has none.
void MigrateLegacySettings();
// The running executable's full path, ending in ".exe".
std::string ExePath();
