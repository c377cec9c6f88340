// The program as shipped, on a system whose high contrast a test switches through the
// registry, where Windows keeps it: Control Panel\Accessibility\HighContrast (Flags) and
// Control Panel\Colors. Built only for the tests: Wine keeps no high-contrast setting
// (SPI_GETHIGHCONTRAST answers off, SPI_SETHIGHCONTRAST fails), and a program under Wine
// keeps the colours it read first whoever changes them. So this one answers
// SPI_GETHIGHCONTRAST from the registry and, as it starts and whenever the test changes the
// registry, does in-process what Windows does for every program: takes the colours
// (SetSysColors, which sends WM_SYSCOLORCHANGE) and tells every window the setting changed.

#include "window/win32/form1_events.h"

#include <cwchar>
#include <sstream>
#include <string>
#include <vector>
#include <windows.h>

// The program's entry for the function in its import table, which every call goes through.
extern "C" decltype(&SystemParametersInfoW) __imp_SystemParametersInfoW;

namespace {

// The registry's names of the system colours, in the order of their indices.
constexpr const wchar_t* colour_names =
    L"Scrollbar Background ActiveTitle InactiveTitle Menu Window WindowFrame MenuText "
    L"WindowText TitleText ActiveBorder InactiveBorder AppWorkSpace Hilight HilightText "
    L"ButtonFace ButtonShadow GrayText ButtonText InactiveTitleText ButtonHilight ButtonDkShadow "
    L"ButtonLight InfoText InfoWindow ButtonAlternateFace HotTrackingColor GradientActiveTitle "
    L"GradientInactiveTitle MenuHilight MenuBar";

decltype(&SystemParametersInfoW) system_parameters = nullptr;

std::wstring registry_text(const wchar_t* key, const std::wstring& name) {
    wchar_t text[64] = {};
    DWORD size = sizeof text;
    RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

BOOL WINAPI parameters_with_high_contrast(UINT action, UINT number, void* data, UINT flags) {
    if (action != SPI_GETHIGHCONTRAST)
        return system_parameters(action, number, data, flags);
    static_cast<HIGHCONTRASTW*>(data)->dwFlags =
        std::wcstoul(registry_text(L"Control Panel\\Accessibility\\HighContrast", L"Flags").c_str(),
                     nullptr, 10);
    return TRUE;
}

void take_settings() {
    std::vector<int> indices;
    std::vector<COLORREF> colours;
    std::wistringstream names(colour_names);
    std::wstring name;
    for (int index = 0; names >> name; ++index) {
        unsigned red = 0, green = 0, blue = 0;
        if (std::swscanf(registry_text(L"Control Panel\\Colors", name).c_str(), L"%u %u %u", &red,
                         &green, &blue) == 3) {
            indices.push_back(index);
            colours.push_back(RGB(red, green, blue));
        }
    }
    SetSysColors(static_cast<int>(indices.size()), indices.data(), colours.data());
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_ABORTIFHUNG,
                        5000, nullptr);
}

// Armed again before the settings are taken, so that no change made meanwhile goes unseen.
DWORD WINAPI follow_settings(void*) {
    HKEY control_panel = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel", 0, KEY_NOTIFY, &control_panel);
    HANDLE changed = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    const auto arm = [&] {
        return RegNotifyChangeKeyValue(control_panel, TRUE, REG_NOTIFY_CHANGE_LAST_SET, changed,
                                       TRUE) == ERROR_SUCCESS;
    };
    for (arm(); WaitForSingleObject(changed, INFINITE) == WAIT_OBJECT_0 && arm();)
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
