#include "app/window/CDeveloperScene.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>
#include <chrono>
#include <thread>

#include "app/CQuillet.h"
#include "document/views/CVisibleRange.h"
#include "framework/alerts/Alerts.h"
#include "framework/alerts/CABCAlertPresenter.h"
#include "framework/progress/CLengthyOperation.h"
#include "framework/resources/ResourceScripts.h"
#include "gui/framework/menus/CNativeMenuBar.h"
#include "gui/framework/windows/CDocumentWindow.h"
#include "gui/framework/windows/CFrameWindow.h"
#include "gui/window/CQuilletWindow.h"
#include "resources/QuilletCommands.h"

namespace {

constexpr ResourceId kAlertChannelTaken = 500129019;
constexpr ResourceId kSlicesLeft = 400129021;
constexpr ResourceId kStop = 401000010;
constexpr int kSettleMilliseconds = 400;
// The demo loop in each waveform style, whole and zoomed in on an attack.
constexpr const char* kLoopScenes[] = {"loop-plain", "loop-3d", "loop-shaded", "loop-plain-in", "loop-3d-in",
                                       "loop-shaded-in"};

}  // namespace

// Answers every alert as closing its box would, without showing it.
class CDeveloperScene::CSilentAlerts : public CABCAlertPresenter {
public:
    std::int32_t Present(const AlertDefinition& alert) override { return AlertCloseAnswer(alert); }
};

CDeveloperScene::CDeveloperScene(CQuillet& application, std::string scene)
    : application_(application), scene_(std::move(scene)), silent_(std::make_unique<CSilentAlerts>())
{
    screenAlerts_ = CABCAlertPresenter::Install(silent_.get());
    // Runs once the main loop turns.
    QTimer::singleShot(kSettleMilliseconds, &application_.Frame(), [this] { Play(); });
}

CDeveloperScene::~CDeveloperScene()
{
    if (CABCAlertPresenter::Current() == silent_.get())
        CABCAlertPresenter::Install(screenAlerts_);
}

bool CDeveloperScene::IsKnown(const std::string& scene)
{
    for (const char* loop : kLoopScenes)
        if (scene == loop)
            return true;
    return scene == "frame" || scene == "document" || scene == "alert" || scene == "progress" || scene == "about" ||
           scene == "preferences" || scene == "sampler-settings" || scene == "system-information" ||
           (scene.size() == 6 && scene.rfind("menu-", 0) == 0 && scene[5] >= '0' && scene[5] <= '4');
}

void CDeveloperScene::Play()
{
    CABCAlertPresenter::Install(screenAlerts_);
    if (scene_.rfind("menu-", 0) == 0) {
        if (CNativeMenuBar* menus = application_.GetMenuBar()) {
            QMenu& menu = menus->NativeMenu(static_cast<std::size_t>(scene_[5] - '0'));
            application_.Frame().menuBar()->setActiveAction(menu.menuAction());
        }
    } else if (scene_ == "alert") {
        ShowAlert(kAlertChannelTaken);
    } else if (scene_ == "document") {
        // The demo loop's window filling the frame.
        if (CDocumentWindow* window = application_.FrontDocumentWindow(); window && window->SubWindow())
            window->SubWindow()->showMaximized();
    } else if (scene_.rfind("loop-", 0) == 0) {
        if (auto* window = dynamic_cast<CQuilletWindow*>(application_.FrontDocumentWindow())) {
            if (window->SubWindow())
                window->SubWindow()->showMaximized();
            CABCLoopViewHost::Look& look = window->SharedPreferences().look;
            look.style = scene_.find("plain") != std::string::npos ? WaveformStyle::kPlain
                         : scene_.find("3d") != std::string::npos  ? WaveformStyle::k3D
                                                                   : WaveformStyle::kShaded;
            if (scene_.size() > 3 && scene_.compare(scene_.size() - 3, 3, "-in") == 0)
                window->Model().Range().Show(21000, 29000);
            window->UpdateContents();
        }
    } else if (scene_ == "about") {
        application_.DoCommand(Cmd::kAbout);
    } else if (scene_ == "preferences") {
        application_.DoCommand(Cmd::kPreferences);
    } else if (scene_ == "sampler-settings") {
        application_.DoCommand(Cmd::kSamplerSettings);
    } else if (scene_ == "system-information") {
        application_.DoCommand(Cmd::kSystemInformation);
    } else if (scene_ == "progress") {
        // A count-down of slices that runs until the user stops it.
        CLengthyOperation operation(GetResourceString(kSlicesLeft), GetResourceString(kStop));
        operation.ShowNow();
        constexpr int kSlices = 48;
        for (int step = 0; !operation.WasCancelled(); step = (step + 1) % 6000) {
            const int left = kSlices - step * kSlices / 6000;
            operation.Update(left, static_cast<std::uint16_t>(step * 100 / 6000));
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
}
