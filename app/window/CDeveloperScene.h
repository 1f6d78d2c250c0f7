#pragma once
// A developer option for screenshots: after start-up the program puts one
// scene on screen (a menu open, an alert, the progress window, the About
// box) and holds it. Alerts of the start-up itself are answered without a box.
#include <memory>
#include <string>

class CABCAlertPresenter;
class CQuillet;

class CDeveloperScene {
public:
    // scene: "frame", "document", "menu-0" to "menu-4", "alert", "progress", "about".
    CDeveloperScene(CQuillet& application, std::string scene);
    ~CDeveloperScene();

    static bool IsKnown(const std::string& scene);

private:
    void Play();

    class CSilentAlerts;
    CQuillet& application_;
    std::string scene_;
    std::unique_ptr<CSilentAlerts> silent_;
    CABCAlertPresenter* screenAlerts_ = nullptr;
};
