#include "hotkeys/HotkeyText.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<int32_t, const char*>, 15> NamedKeys{{
    {13, "Enter"},    {19, "Pause"}, {27, "Esc"},    {32, "Space"},   {33, "PageUp"},
    {34, "PageDown"}, {35, "End"},   {36, "Home"},   {37, "Left"},    {38, "Up"},
    {39, "Right"},    {40, "Down"},  {45, "Insert"}, {46, "Delete"},  {145, "ScrollLock"},
}};

bool InRange(int32_t key, int32_t first, int32_t last)
{
    return key >= first && key <= last;
}

std::string Numbered(std::string prefix, int32_t number)
{
    return prefix.append(std::to_string(number));
}

}  // namespace

std::string KeyName(int32_t key, const SystemKeyName& systemName)
{
    if (InRange(key, '0', '9') || InRange(key, 'A', 'Z'))
        return std::string(1, static_cast<char>(key));
    if (InRange(key, 112, 135))
        return Numbered("F", key - 111);
    if (InRange(key, 96, 105))
        return Numbered("Num", key - 96);
    for (const auto& [code, name] : NamedKeys) {
        if (code == key)
            return name;
    }
    std::string name = systemName(key);
    return name.empty() ? Numbered("Key", key) : name;
}

std::string HotkeyText(int32_t mods, int32_t key, const SystemKeyName& systemName)
{
    if (key == 0)
        return "(none)";
    std::string text;
    if (mods & ModWin)
        text += "Win+";
    if (mods & ModCtrl)
        text += "Ctrl+";
    if (mods & ModAlt)
        text += "Alt+";
    if (mods & ModShift)
        text += "Shift+";
    return text + KeyName(key, systemName);
}
