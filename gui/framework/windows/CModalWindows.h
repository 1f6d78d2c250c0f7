#pragma once
// What stands in front of the program's windows: a framework dialog, a Qt
// dialog run modally (the file dialogs, the About box) or the progress
// window of a lengthy operation. While one is up nothing behind it acts:
// commands reach only a framework dialog in front, no document window
// closes and the program does not quit.
class CModalDialog;

class CModalWindows {
public:
    // Something modal is up.
    static bool AnyUp();
    // The framework dialog that takes commands: the modal dialog in front,
    // when no other modal window lies above it; nullptr otherwise.
    static CModalDialog* CommandTarget();

    // Counts a modal window that Qt may not list while it runs (a file
    // dialog that the desktop draws in its own process).
    class CScope {
    public:
        CScope() { ++sScopes; }
        ~CScope() { --sScopes; }
        CScope(const CScope&) = delete;
        CScope& operator=(const CScope&) = delete;
    };

private:
    static int sScopes;
};
