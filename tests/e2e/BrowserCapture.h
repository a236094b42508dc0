// Captures the addresses that the program opens in the web browser. Under Wine, ShellExecute of an http(s)
// address runs winebrowser, which starts the first program of
// [HKEY_CURRENT_USER\Software\Wine\WineBrowser] "Browsers" with the address as its last argument. While a
// BrowserCapture lives, that list names a shell script of its own that appends its argument to a log in
// the given folder, so no browser starts and no network is used; the old setting comes back afterwards.
// Writing HKEY_CURRENT_USER from the test program writes the registry of the test run's prefix.
#pragma once

#include "tests/e2e/Driver.h"

#include <string>
#include <vector>

namespace e2e {

class BrowserCapture {
public:
    explicit BrowserCapture(const TempFolder& folder);
    ~BrowserCapture();
    BrowserCapture(const BrowserCapture&) = delete;
    BrowserCapture& operator=(const BrowserCapture&) = delete;

    // False when the capture could not be set up (not under Wine, or the registry refused it).
    explicit operator bool() const { return m_ready; }

    // Every address opened so far, in the order the browser got them.
    std::vector<std::string> Addresses() const;
    // Waits until `count` addresses have come (browsers start asynchronously); returns them.
    std::vector<std::string> WaitForAddresses(size_t count, DWORD timeoutMs = kDefaultTimeoutMs) const;

private:
    std::string m_log;
    bool m_ready = false;
    bool m_hadValue = false;
    std::string m_oldValue;
};

}  // namespace e2e
