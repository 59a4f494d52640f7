// Writes the settings file that the portable zip carries beside halcyra.exe: the first run's
// defaults, but not entered in the user's start-up list, so that a copy run from a stick
// leaves no trace on the machines it visits.
// Usage: halcyra_portable_settings OUT_FILE
#include <fstream>

#include "settings/IniDocument.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    Settings portable = DefaultSettings();
    portable.StartWithWindows = false;
    IniDocument file;
    WriteSettings(portable, file);
    // Every default is ASCII, which reads the same in any code page.
    std::ofstream out(argv[1], std::ios::binary);
    out << file.Serialise();
    return out ? 0 : 1;
}
