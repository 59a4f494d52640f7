#include "tests/e2e/driver/E2eTest.h"

#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/Input.h"
#include "tests/e2e/driver/Options.h"
#include "tests/e2e/driver/Wait.h"

#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::string> ReadRunValue(const std::string& name)
{
    char data[2048] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, kRunKey, name.c_str(), RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(data);
}

void WriteRunValue(const std::string& name, const std::optional<std::string>& data)
{
    if (!data)
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, name.c_str());
    else
        RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, name.c_str(), REG_SZ, data->c_str(),
                        static_cast<DWORD>(data->size() + 1));
}

void Require(bool condition, const std::string& what)
{
    if (!condition)
        throw std::runtime_error(what);
}

bool HotkeyIsFree(UINT modifiers, UINT key)
{
    if (!RegisterHotKey(nullptr, 0xB001, modifiers, key))
        return false;
    UnregisterHotKey(nullptr, 0xB001);
    return true;
}

E2eTest::E2eTest()
{
    static int counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    root = std::string(temp) + "halcyra e2e " + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++counter);
    fs::remove_all(root);
    fs::create_directories(AppData());
    fs::create_directories(fs::path(ExePath()).parent_path());
    fs::copy_file(WindowsPathOfUnix(Options().halcyraExe), ExePath());
}

E2eTest::~E2eTest()
{
    program.reset();
    std::error_code error;
    fs::remove_all(root, error);
    WriteRunValue("Halcyra", halcyraRun_);
    WriteRunValue("Brindlewick", brindlewickRun_);
}

void E2eTest::WriteSettings(const std::string& text) { WriteFileBytes(SettingsPath(), text); }

TrayIcon E2eTest::LaunchToTray()
{
    Launch();
    Require(program->WaitForIdle(kStartTimeoutMs), "the program did not finish starting");
    const auto icon = WaitForHalcyraIcon(kStartTimeoutMs);
    Require(icon.has_value(), "no Halcyra icon appeared in the tray");
    Require(program->MainWindow() != nullptr, "the program has no main window titled Halcyra");
    return *icon;
}

HWND E2eTest::OpenTrayMenu()
{
    const auto icon = WaitForHalcyraIcon(kActionTimeoutMs);
    Require(icon.has_value(), "no Halcyra icon to click");
    RightClickAt(CentreOf(icon->window));
    HWND menu = nullptr;
    WaitUntil(
        [&] {
            const auto menus = program->Windows("#32768");
            return (menu = menus.empty() ? nullptr : menus.front()) != nullptr;
        },
        kActionTimeoutMs);
    Require(menu != nullptr, "the tray menu did not open");
    return menu;
}

void E2eTest::ChooseFromTrayMenu(WORD mnemonicKey)
{
    const HWND menu = OpenTrayMenu();
    PressChord({mnemonicKey});
    Require(WaitUntil([&] { return !IsWindowVisible(menu); }, kActionTimeoutMs), "the tray menu did not close");
}

void E2eTest::ExitFromTrayMenu()
{
    ChooseFromTrayMenu('X');
    Require(program->WaitForExit(kActionTimeoutMs), "the program did not end after Exit");
}
