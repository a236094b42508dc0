#include "tests/e2e/BrowserCapture.h"

#include "tests/e2e/SettingsFile.h"

namespace e2e {

namespace {

const char kKey[] = "Software\\Wine\\WineBrowser";
const char kValue[] = "Browsers";

// The Unix path of a Windows path, through Wine's kernel32 export; empty when not under Wine.
std::string UnixPath(const std::string& path)
{
    using Convert = char*(CDECL*)(const WCHAR*);
    const auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return "";
    std::wstring wide(path.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    if (length <= 0) return "";
    char* unix = convert(wide.c_str());
    if (!unix) return "";
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

}  // namespace

BrowserCapture::BrowserCapture(const TempFolder& folder) : m_log(folder / "browser.log")
{
    const std::string script = folder / "browser.sh";
    const std::string unixScript = UnixPath(script);
    const std::string unixLog = UnixPath(m_log);
    // winebrowser splits the list at commas and each entry into words: the paths must hold neither.
    if (unixScript.empty() || unixLog.empty() || unixScript.find_first_of(", ") != std::string::npos) return;
    const std::string text = "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + unixLog + "'\n";
    if (!WriteFile(script, std::vector<uint8_t>(text.begin(), text.end()))) return;

    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    char old[1024];
    DWORD size = sizeof old;
    DWORD type = 0;
    if (RegQueryValueExA(key, kValue, nullptr, &type, reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS &&
        type == REG_SZ) {
        m_hadValue = true;
        m_oldValue.assign(old, size > 0 && old[size - 1] == '\0' ? size - 1 : size);
    }
    // The script is run by /bin/sh: a file written here is not executable.
    const std::string browsers = "/bin/sh " + unixScript;
    m_ready = RegSetValueExA(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(browsers.c_str()),
                             static_cast<DWORD>(browsers.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
}

BrowserCapture::~BrowserCapture()
{
    if (!m_ready) return;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
    if (m_hadValue)
        RegSetValueExA(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(m_oldValue.c_str()),
                       static_cast<DWORD>(m_oldValue.size() + 1));
    else
        RegDeleteValueA(key, kValue);
    RegCloseKey(key);
}

std::vector<std::string> BrowserCapture::Addresses() const
{
    std::vector<std::string> addresses;
    const std::string text = ReadText(m_log);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        addresses.push_back(text.substr(start, end - start));
    return addresses;
}

std::vector<std::string> BrowserCapture::WaitForAddresses(size_t count, DWORD timeoutMs) const
{
    std::vector<std::string> addresses;
    WaitUntil([&] { return (addresses = Addresses()).size() >= count; }, timeoutMs);
    return addresses;
}

}  // namespace e2e
