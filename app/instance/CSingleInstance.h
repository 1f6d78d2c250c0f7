#pragma once
// Keeps one running instance per user and display. A later start connects to the running
// instance's local socket, sends its working folder and command line and
// waits for an acknowledgement; without one it runs on its own and opens
// its files itself. The running instance acknowledges a complete message
// and then hands it to its handler from the event loop.
#include <functional>
#include <memory>
#include <string>

class QLocalServer;

class CSingleInstance {
public:
    enum class Role {
        kFirst,       // no instance was running: this one listens
        kHandedOver,  // the running instance took the command line
        kAlone,       // an instance exists but did not answer: run anyway
    };
    using Handler = std::function<void(const std::string& folder, const std::string& commandLine)>;

    static constexpr int kDefaultAckTimeout = 5000;  // milliseconds
    static constexpr char kAck = 0x06;
    static constexpr int kMaxMessage = 1 << 20;

    explicit CSingleInstance(std::string serverName);
    ~CSingleInstance();
    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;

    // "Quillet-", the user's id and the display (characters other than
    // letters, digits, "." and "-" made "_"): a start on another display
    // opens its own window.
    static std::string ServerName(const std::string& display);

    Role Start(const std::string& folder, const std::string& commandLine, int ackTimeout = kDefaultAckTimeout);
    // Command lines handed over by later starts (first instance only).
    void SetHandler(Handler handler) { handler_ = std::move(handler); }
    // The run is over: later starts no longer find this instance.
    void Stop();

private:
    enum class HandOver { kNoInstance, kAcknowledged, kNoAnswer };
    HandOver TryHandOver(const std::string& folder, const std::string& commandLine, int ackTimeout);
    bool Listen();
    void Accept();

    std::string name_;
    std::unique_ptr<QLocalServer> server_;
    Handler handler_;
};
