#include "settings/SettingsFile.h"

#include "settings/ReadNumber.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace {

constexpr int32_t kMaxMessageCount = 100000;

std::string MessageKey(std::size_t position)
{
    std::string key = "M";
    return key.append(std::to_string(position));
}

class FileReader {
public:
    explicit FileReader(const IniDocument& file) : file_(file) {}

    void Section(const char* name) { section_ = name; }

    std::string Text(const std::string& key, const char* fallback) const
    {
        return file_.Get(section_, key, fallback);
    }

    // A number too large for a double means nothing sensible: the key's default instead.
    double Number(const std::string& key, const char* fallback) const
    {
        const double value = ReadNumber(Text(key, fallback));
        return std::isfinite(value) ? value : ReadNumber(fallback);
    }

    int32_t Clamped(const std::string& key, const char* fallback, int32_t lo, int32_t hi) const
    {
        return ClampLong(Number(key, fallback), lo, hi);
    }

    // Colours and hotkeys are taken as they are, but one that a 32-bit field cannot
    // hold falls back to the key's default rather than wrapping round to another value.
    int32_t Whole(const std::string& key, const char* fallback) const
    {
        const double value = std::nearbyint(Number(key, fallback));
        const bool fits = value >= INT32_MIN && value <= INT32_MAX;
        return static_cast<int32_t>(fits ? value : std::nearbyint(ReadNumber(fallback)));
    }

    bool Flag(const std::string& key, const char* fallback) const { return Number(key, fallback) != 0; }

private:
    const IniDocument& file_;
    const char* section_ = "";
};

std::vector<std::string> ReadMessages(FileReader& in)
{
    in.Section("Messages");
    const int32_t count = in.Clamped("Count", "0", 0, kMaxMessageCount);
    std::vector<std::string> messages;
    for (int32_t i = 1; i <= count; ++i) {
        std::string text = in.Text(MessageKey(i), "");
        if (!text.empty())
            messages.push_back(std::move(text));
    }
    return messages;
}

void Repair(Settings& s)
{
    if (s.IntervalMax < s.IntervalMin)
        s.IntervalMax = s.IntervalMin;
    if (s.FontSizeMax < s.FontSizeMin)
        s.FontSizeMax = s.FontSizeMin;
    if (s.FontName.empty())
        s.FontName = "Arial";
}

}  // namespace

Settings ReadSettings(const IniDocument& file)
{
    FileReader in(file);
    Settings s;
    in.Section("Timing");
    s.IntervalMin = in.Clamped("IntervalMin", "5", 1, 86400);
    s.IntervalMax = in.Clamped("IntervalMax", "20", 1, 86400);
    s.DurationMs = in.Clamped("DurationMs", "100", 10, 10000);
    in.Section("Look");
    s.FontName = in.Text("FontName", "Arial");
    s.FontSizeMin = in.Clamped("FontSizeMin", "28", 6, 400);
    s.FontSizeMax = in.Clamped("FontSizeMax", "48", 6, 400);
    s.Bold = in.Flag("Bold", "1");
    s.Color = in.Whole("Color", "16777215");
    s.RandomColor = in.Flag("RandomColor", "0");
    s.Opacity = in.Clamped("Opacity", "230", 10, 255);
    s.AllMonitors = in.Flag("AllMonitors", "1");
    in.Section("General");
    s.StartWithWindows = in.Flag("StartWithWindows", "1");
    s.StartActive = in.Flag("StartActive", "0");
    in.Section("Hotkeys");
    s.StartMod = in.Whole("StartMod", "3");
    s.StartKey = in.Whole("StartKey", "83");
    s.StopMod = in.Whole("StopMod", "3");
    s.StopKey = in.Whole("StopKey", "88");
    s.Messages = ReadMessages(in);
    Repair(s);
    return s;
}

void WriteSettings(const Settings& s, IniDocument& file)
{
    const auto number = [](int32_t value) { return std::to_string(value); };
    file.Set("Timing", "IntervalMin", number(s.IntervalMin));
    file.Set("Timing", "IntervalMax", number(s.IntervalMax));
    file.Set("Timing", "DurationMs", number(s.DurationMs));
    file.Set("Look", "FontName", s.FontName);
    file.Set("Look", "FontSizeMin", number(s.FontSizeMin));
    file.Set("Look", "FontSizeMax", number(s.FontSizeMax));
    file.Set("Look", "Bold", BoolText(s.Bold));
    file.Set("Look", "Color", number(s.Color));
    file.Set("Look", "RandomColor", BoolText(s.RandomColor));
    file.Set("Look", "Opacity", number(s.Opacity));
    file.Set("Look", "AllMonitors", BoolText(s.AllMonitors));
    file.Set("General", "StartWithWindows", BoolText(s.StartWithWindows));
    file.Set("General", "StartActive", BoolText(s.StartActive));
    file.Set("Hotkeys", "StartMod", number(s.StartMod));
    file.Set("Hotkeys", "StartKey", number(s.StartKey));
    file.Set("Hotkeys", "StopMod", number(s.StopMod));
    file.Set("Hotkeys", "StopKey", number(s.StopKey));

    // Removed first, so that keys of a longer earlier list never survive.
    file.DeleteSection("Messages");
    file.Set("Messages", "Count", number(static_cast<int32_t>(s.Messages.size())));
    for (std::size_t i = 0; i < s.Messages.size(); ++i)
        file.Set("Messages", MessageKey(i + 1), s.Messages[i]);
}
