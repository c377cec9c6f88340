// The program as shipped, on a system whose high contrast a test switches through the
// registry, where Windows keeps it: the setting in Control Panel\Accessibility\HighContrast
// (Flags), the colours in Control Panel\Colors. Built only for the tests, since Wine keeps no
// high-contrast setting (SPI_GETHIGHCONTRAST always answers off and SPI_SETHIGHCONTRAST
// fails), and a program under Wine reads the colours of the session, which Wine keeps apart,
// once, whoever changes them afterwards. So this program answers SPI_GETHIGHCONTRAST from the
// registry, and as it starts and whenever the test changes either key it does in-process
// what Windows does for every program: it takes the colours (SetSysColors, which sends
// WM_SYSCOLORCHANGE) and tells every window that high contrast changed.

#include "window/win32/form1_events.h"

#include <cstdio>
#include <cwchar>
#include <iterator>
#include <string>
#include <vector>
#include <windows.h>

// The program's own entry for the function in its import table, which every call goes through.
extern "C" decltype(&SystemParametersInfoW) __imp_SystemParametersInfoW;

namespace {

constexpr wchar_t colours_key[] = L"Control Panel\\Colors";
constexpr wchar_t setting_key[] = L"Control Panel\\Accessibility\\HighContrast";
// The registry's name of each system colour, by its index.
constexpr const wchar_t* colour_names[] = {L"Scrollbar",
                                           L"Background",
                                           L"ActiveTitle",
                                           L"InactiveTitle",
                                           L"Menu",
                                           L"Window",
                                           L"WindowFrame",
                                           L"MenuText",
                                           L"WindowText",
                                           L"TitleText",
                                           L"ActiveBorder",
                                           L"InactiveBorder",
                                           L"AppWorkSpace",
                                           L"Hilight",
                                           L"HilightText",
                                           L"ButtonFace",
                                           L"ButtonShadow",
                                           L"GrayText",
                                           L"ButtonText",
                                           L"InactiveTitleText",
                                           L"ButtonHilight",
                                           L"ButtonDkShadow",
                                           L"ButtonLight",
                                           L"InfoText",
                                           L"InfoWindow",
                                           L"ButtonAlternateFace",
                                           L"HotTrackingColor",
                                           L"GradientActiveTitle",
                                           L"GradientInactiveTitle",
                                           L"MenuHilight",
                                           L"MenuBar"};

decltype(&SystemParametersInfoW) system_parameters = nullptr;

std::wstring registry_text(const wchar_t* key, const wchar_t* name) {
    wchar_t text[64] = {};
    DWORD size = sizeof text;
    return RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text, &size) ==
                   ERROR_SUCCESS
               ? text
               : L"";
}

BOOL WINAPI parameters_with_high_contrast(UINT action, UINT number, void* data, UINT flags) {
    if (action != SPI_GETHIGHCONTRAST)
        return system_parameters(action, number, data, flags);
    auto& setting = *static_cast<HIGHCONTRASTW*>(data);
    setting.dwFlags = std::wcstoul(registry_text(setting_key, L"Flags").c_str(), nullptr, 10);
    setting.lpszDefaultScheme = nullptr;
    return TRUE;
}

void take_settings() {
    std::vector<int> indices;
    std::vector<COLORREF> colours;
    for (int index = 0; index < static_cast<int>(std::size(colour_names)); ++index) {
        unsigned red = 0, green = 0, blue = 0;
        if (std::swscanf(registry_text(colours_key, colour_names[index]).c_str(), L"%u %u %u", &red,
                         &green, &blue) == 3) {
            indices.push_back(index);
            colours.push_back(RGB(red, green, blue));
        }
    }
    SetSysColors(static_cast<int>(indices.size()), indices.data(), colours.data());
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_ABORTIFHUNG,
                        5000, nullptr);
}

// Armed again before the settings are taken, so no change made meanwhile goes unseen.
DWORD WINAPI follow_settings(void*) {
    HKEY control_panel = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel", 0, KEY_NOTIFY, &control_panel);
    HANDLE changed = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    const auto arm = [&] {
        return RegNotifyChangeKeyValue(control_panel, TRUE, REG_NOTIFY_CHANGE_LAST_SET, changed,
                                       TRUE) == ERROR_SUCCESS;
    };
    if (!arm())
        std::fputs("cannot follow the registry\n", stderr);
    while (WaitForSingleObject(changed, INFINITE) == WAIT_OBJECT_0 && arm())
        take_settings();
    return 0;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    system_parameters = __imp_SystemParametersInfoW;
    DWORD protection = 0;
    VirtualProtect(&__imp_SystemParametersInfoW, sizeof(void*), PAGE_READWRITE, &protection);
    __imp_SystemParametersInfoW = parameters_with_high_contrast;
    take_settings();
    CloseHandle(CreateThread(nullptr, 0, follow_settings, nullptr, 0, nullptr));
    return tallyglyph::window::run_tallyglyph(argc, argv);
}
