#include "app/CQuillet.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/commands/QuilletCommands.h"
#include "framework/alerts/CABCAlertPresenter.h"
#include "framework/resources/CMenuBar.h"

namespace {

// Notes every alert, with its message, and answers No (34).
class RecordingAlerts : public CABCAlertPresenter {
public:
    std::int32_t Present(const AlertDefinition& alert) override
    {
        shown.push_back(alert.title + "|" + alert.message);
        return 34;
    }
    std::vector<std::string> shown;
};

struct RunResult {
    std::vector<std::string> alerts;
    bool openEnabled = true;
    bool quitEnabled = false;
    std::string transmitLabel;
};

// Runs the program until its loop turns once, then quits it.
RunResult RunOnce(const std::string& commandLine, const std::string& folder)
{
    RunResult result;
    CQuillet quillet(commandLine, folder);
    RecordingAlerts alerts;
    CABCAlertPresenter* screen = CABCAlertPresenter::Install(&alerts);
    // Start-up may serve events before the loop runs; act once it does.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (quillet.GetState() != CLowLevelApplication::State::kRunning)
            return;
        poll.stop();
        if (CMenuBar* bar = quillet.GetMenuBar()) {
            const auto open = bar->FindCommand(Cmd::kOpen);
            result.openEnabled = !open->menu->Record(open->index).disabled;
            const auto quit = bar->FindCommand(Cmd::kQuit);
            result.quitEnabled = !quit->menu->Record(quit->index).disabled;
            const auto transmit = bar->FindCommand(Cmd::kTransmit);
            result.transmitLabel = transmit->menu->Record(transmit->index).label;
        }
        quillet.DoCommand(Cmd::kQuit);
    });
    poll.start(10);
    quillet.Run();
    EXPECT_EQ(quillet.GetMenuBar(), nullptr);  // torn down
    CABCAlertPresenter::Install(screen);
    result.alerts = alerts.shown;
    return result;
}

}  // namespace

TEST(CQuillet, StartsWithoutSoundOrPreferencesAndQuits)
{
    const RunResult run = RunOnce("", "/");
    ASSERT_EQ(run.alerts.size(), 2u);
    EXPECT_EQ(run.alerts[0].rfind("|No sound available!", 0), 0u) << run.alerts[0];
    EXPECT_NE(run.alerts[1].find("There are no samplers installed."), std::string::npos) << run.alerts[1];
    EXPECT_TRUE(run.openEnabled);
    EXPECT_TRUE(run.quitEnabled);
    EXPECT_EQ(run.transmitLabel, "Transmit to New Window");
}

TEST(CQuillet, MissingFileOnTheCommandLineIsNamed)
{
    const RunResult run = RunOnce("no-such-loop.wav", std::filesystem::temp_directory_path().string());
    ASSERT_EQ(run.alerts.size(), 3u);
    EXPECT_EQ(run.alerts[2], "|The file \"no-such-loop.wav\" could not be found.");
}

TEST(CQuillet, FileThatIsNoSoundSaysSoWithItsName)
{
    const auto path = std::filesystem::temp_directory_path() / "quillet test loop.wav";
    std::ofstream(path) << "RIFF";
    const RunResult run = RunOnce("quillet test loop.wav", std::filesystem::temp_directory_path().string());
    std::filesystem::remove(path);
    ASSERT_EQ(run.alerts.size(), 3u);
    EXPECT_NE(run.alerts[2].find("quillet test loop.wav"), std::string::npos) << run.alerts[2];
}
