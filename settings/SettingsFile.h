#pragma once
#include "settings/IniDocument.h"
#include "settings/Settings.h"

// The record as the settings file holds it. Reading never fails: missing keys take
// their defaults, numbers are read leniently and brought into range, and the minimums
// and maximums are put in order.
Settings ReadSettings(const IniDocument& file);

// Writes every field over the document in the file's order, keeping other sections and
// unknown keys; the Messages section is removed and written again at the end.
void WriteSettings(const Settings& settings, IniDocument& file);
