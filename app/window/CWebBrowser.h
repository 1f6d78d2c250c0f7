#pragma once
// The user's web browser: whether one handles web addresses, and opening a
// page or a local file in it.
#include <string>

class CWebBrowser {
public:
    // True when $BROWSER is set or the desktop names a handler for https.
    static bool IsInstalled();
    // False when no browser could be started.
    static bool OpenAddress(const std::string& address);
    static bool OpenFile(const std::string& path);
};
