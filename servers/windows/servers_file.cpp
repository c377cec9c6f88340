#include "servers/servers_file.h"

#include "runtime/wide_text.h"

#include <shlobj.h>
#include <windows.h>

namespace tallyglyph::servers {

// The user's roaming application data, as Windows names it whatever %APPDATA% says.
std::string servers_file() {
    wchar_t* folder = nullptr;
    const HRESULT found = SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder);
    std::wstring path = SUCCEEDED(found) ? std::wstring(folder) : std::wstring();
    CoTaskMemFree(folder);
    if (path.empty())
        throw ServersError("no folder for servers.ini: Windows names no application data folder");
    return runtime::utf8(path + L"\\Tallyglyph\\servers.ini");
}

} // namespace tallyglyph::servers
