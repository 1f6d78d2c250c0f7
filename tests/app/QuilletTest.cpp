#include "app/CQuillet.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "devices/sound/CRegisteredSoundCard.h"
#include "devices/sound/CSoundChannel.h"
#include "document/export/CLoopDocument.h"
#include "document/export/DocumentFile.h"
#include "document/playback/CWavePlayer.h"
#include "document/window/CLoopOpener.h"
#include "document/window/DocumentPreferences.h"
#include "formats/sound/AIFFFile.h"
#include "framework/keys/CKeyEvent.h"
#include "framework/resources/CMenuBar.h"
#include "gui/framework/windows/CDocumentWindow.h"
#include "gui/framework/windows/CFrameWindow.h"
#include "gui/framework/windows/CModalDialog.h"
#include "gui/dialogs/CConfigureSamplerDialog.h"
#include "gui/dialogs/CFoundSamplerInfoDialog.h"
#include "gui/dialogs/CRenameSamplerDialog.h"
#include "gui/framework/controls/CPushButtonView.h"
#include "gui/framework/controls/CSingleLineTextEditView.h"
#include "gui/window/COpenAudioFileDialog.h"
#include "resources/QuilletCommands.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/AlertRecorder.h"

namespace {

// The program with the stand-in cards named in `standIns` as its only
// cards: an empty text leaves it without any. It counts the Open dialogs
// asked for at start instead of showing them.
class StandInQuillet : public CQuillet {
public:
    StandInQuillet(const std::string& commandLine, const std::string& folder, std::string standIns)
        : CQuillet(commandLine, folder), standIns_(std::move(standIns))
    {
    }

    int openDialogsAtStart = 0;

private:
    void ListSoundCards(CSoundCardRegistry& registry) override { registry.ListStandInCards(standIns_); }
    void AskForDocumentAtStart() override { ++openDialogsAtStart; }

    std::string standIns_;
};

// Sets the environment variable `name` to `value` while it lives.
class VariableScope {
public:
    VariableScope(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            previous_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~VariableScope()
    {
        if (previous_)
            setenv(name_, previous_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> previous_;
};

struct RunResult {
    std::vector<std::string> alerts;
    bool openEnabled = true;
    bool quitEnabled = false;
    std::string transmitLabel;
    bool soundAvailable = false;
    std::string cardKind;
    bool playerFed = false;
    int openDialogsAtStart = 0;
    std::size_t documentWindows = 0;
};

// Runs the program until its loop turns once, does `action` there (with the
// loop running for `actionMilliseconds` after it), then quits it.
// The preferences live in `configuration` (a fresh folder when empty);
// alerts are answered with `alertAnswer`.
RunResult RunOnce(const std::string& commandLine, const std::string& folder, const std::string& standIns = "",
                  const std::function<void(CQuillet&)>& action = {}, int actionMilliseconds = 0,
                  const std::filesystem::path& configuration = {}, std::int32_t alertAnswer = 34)
{
    RunResult result;
    CTempFolder fresh;
    const VariableScope scope("XDG_CONFIG_HOME", (configuration.empty() ? fresh.Path() : configuration).string());
    StandInQuillet quillet(commandLine, folder, standIns);
    AlertRecorder alerts(alertAnswer);
    // Start-up may serve events before the loop runs; act once it does.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (quillet.GetState() != CLowLevelApplication::State::kRunning)
            return;
        poll.stop();
        if (CMenuBar* bar = quillet.Menus()) {
            const auto open = bar->FindCommand(Cmd::kOpen);
            result.openEnabled = !open->menu->Record(open->index).disabled;
            const auto quit = bar->FindCommand(Cmd::kQuit);
            result.quitEnabled = !quit->menu->Record(quit->index).disabled;
            const auto transmit = bar->FindCommand(Cmd::kTransmit);
            result.transmitLabel = transmit->menu->Record(transmit->index).label;
        }
        result.soundAvailable = quillet.GetAvailability().sound;
        if (const CSoundChannel* channel = quillet.GetSoundSetup().Channel()) {
            result.cardKind = channel->Card().DriverKind();
            result.playerFed = channel->IsRunning() && quillet.GetWavePlayer().OutputRate() == channel->Rate();
        }
        result.documentWindows = quillet.DocumentWindows().size();
        if (action)
            action(quillet);
        QTimer::singleShot(actionMilliseconds, [&quillet] { quillet.DoCommand(Cmd::kQuit); });
    });
    poll.start(10);
    quillet.Run();
    EXPECT_EQ(quillet.Menus(), nullptr);  // torn down
    result.alerts = alerts.shown;
    result.openDialogsAtStart = quillet.openDialogsAtStart;
    return result;
}

// The demo loop in mono as a sound file and as a document, in a scratch folder.
struct LoopFiles {
    LoopFiles()
    {
        const std::unique_ptr<CLoopDocument> loop = CLoopOpener::DemoLoop(DocumentPreferences().NewDocumentSettings());
        WriteAIFF(CFileSpec(sound.string()), loop->Sound());
        WriteDocument(CFileSpec(document.string()), *loop);
    }

    CTempFolder folder;
    const std::filesystem::path sound = folder / "drop loop.aif";
    const std::filesystem::path document = folder / "drop loop.qlt";
};

// Answers Open in every Open Audio File dialog while it exists, counting them.
class OpenDialogAnswerer {
public:
    OpenDialogAnswerer()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (CModalDialog* dialog = CModalDialog::Front()) {
                dialog->EndModal(COpenAudioFileDialog::kOpen);
                ++answered;
            }
        });
        timer_.start(10);
    }
    int answered = 0;

private:
    QTimer timer_;
};

// Drags files over `target` and drops them there, as the window system does
// with files from a file manager: as links and as text.
void DropFiles(QWidget& target, const std::vector<std::filesystem::path>& files)
{
    QList<QUrl> urls;
    QStringList text;
    for (const auto& file : files) {
        urls.append(QUrl::fromLocalFile(QString::fromStdString(file.string())));
        text.append(urls.back().toString());
    }
    QMimeData data;
    data.setUrls(urls);
    data.setText(text.join('\n'));
    const QPoint middle(target.width() / 2, target.height() / 2);
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
}

// The items of File > Open Recent.
std::vector<std::string> RecentItems(CQuillet& quillet)
{
    const auto recent = quillet.Menus()->FindCommand(Cmd::kOpenRecent);
    std::vector<std::string> labels;
    for (const MenuItemRecord& item : recent->menu->Submenu(recent->index)->Records())
        labels.push_back(item.label);
    return labels;
}

}  // namespace

TEST(CQuillet, StartsWithoutSoundOrPreferencesAndQuits)
{
    const RunResult run = RunOnce("", "/");
    ASSERT_EQ(run.alerts.size(), 2u);
    EXPECT_EQ(run.alerts[0].rfind("|No sound available!", 0), 0u) << run.alerts[0];
    EXPECT_FALSE(run.soundAvailable);
    EXPECT_TRUE(run.cardKind.empty());
    EXPECT_NE(run.alerts[1].find("There are no samplers installed."), std::string::npos) << run.alerts[1];
    EXPECT_TRUE(run.openEnabled);
    EXPECT_TRUE(run.quitEnabled);
    EXPECT_EQ(run.transmitLabel, "Open Slices in New Windows");
}

TEST(CQuillet, ListsTheMIDIPortsAndSCSIBusesTheEnvironmentNames)
{
    const VariableScope midi(CMIDIPortLists::kStandInVariable, "loopback");
    const VariableScope scsi(CSCSIBusTable::kStandInVariable, "simulated");
    CStartupSequence::Availability availability;
    std::string port, bus;
    RunOnce("", "/", "", [&](CQuillet& quillet) {
        availability = quillet.GetAvailability();
        port = quillet.GetMIDIPorts().OutputAt(quillet.GetMIDIPorts().OutputCount() - 1).PortName();
        bus = quillet.GetSCSIBuses().BusAt(quillet.GetSCSIBuses().BusCount() - 1)->BusName();
    });
    EXPECT_TRUE(availability.midi);
    EXPECT_TRUE(availability.scsi);
    EXPECT_EQ(port, CMIDIPortLists::kLoopbackName);
    EXPECT_EQ(bus, CSCSIBusTable::kSimulatedBusName);
}

TEST(CQuillet, MissingFileOrOneThatIsNoSoundOnTheCommandLineIsNamed)
{
    const auto folder = std::filesystem::temp_directory_path();
    const RunResult missing = RunOnce("no-such-loop.wav", folder.string());
    ASSERT_EQ(missing.alerts.size(), 3u);
    EXPECT_EQ(missing.alerts[2], "|The file \"no-such-loop.wav\" could not be found.");
    std::ofstream(folder / "quillet test loop.wav") << "RIFF";
    const RunResult noSound = RunOnce("quillet test loop.wav", folder.string());
    std::filesystem::remove(folder / "quillet test loop.wav");
    ASSERT_EQ(noSound.alerts.size(), 3u);
    EXPECT_NE(noSound.alerts[2].find("quillet test loop.wav"), std::string::npos) << noSound.alerts[2];
}

TEST(CQuillet, StandInCardGivesSoundAndHearsTheDemoLoop)
{
    const auto path = std::filesystem::temp_directory_path() / "quillet-app-heard.wav";
    std::filesystem::remove(path);
    const RunResult run = RunOnce(
        "", "/", "file:" + path.string(),
        [](CQuillet& quillet) {
            const std::vector<CDocumentWindow*> windows = quillet.DocumentWindows();
            ASSERT_FALSE(windows.empty());
            CKeyEvent space;
            space.code = ' ';
            space.character = ' ';
            space.nativeKey = Qt::Key_Space;
            windows.front()->KeyDown(space);
            EXPECT_NE(quillet.GetWavePlayer().PlayingSample(), nullptr);
        },
        400);
    // Only the samplers question: no sound alert.
    ASSERT_EQ(run.alerts.size(), 1u);
    EXPECT_NE(run.alerts[0].find("There are no samplers installed."), std::string::npos) << run.alerts[0];
    EXPECT_TRUE(run.soundAvailable);
    EXPECT_EQ(run.cardKind, "File");
    EXPECT_TRUE(run.playerFed);

    // The card wrote what was heard when its channel closed: the loop, not silence.
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::filesystem::remove(path);
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(std::string(bytes.data(), 4), "RIFF");
    std::size_t loud = 0;
    for (std::size_t i = 44; i + 1 < bytes.size(); i += 2)
        loud += bytes[i] != 0 || bytes[i + 1] != 0;
    EXPECT_GT(loud, 4410u);
}

TEST(CQuillet, BackgroundReleasesTheCardAndTakesItBackWithItsSetting)
{
    const RunResult run = RunOnce("", "/", "null,null", [](CQuillet& quillet) {
        const CSoundSetup& sound = quillet.GetSoundSetup();
        sound.Channel()->SetPlayAheadSetting(3);
        quillet.Deactivated();
        EXPECT_EQ(sound.Channel(), nullptr);
        quillet.Activated();
        ASSERT_NE(sound.Channel(), nullptr);
        EXPECT_EQ(sound.CardIndex(), 0);
        EXPECT_EQ(sound.Channel()->GetPlayAheadSetting(), 3);
        EXPECT_TRUE(sound.Channel()->IsRunning());
    });
    EXPECT_TRUE(run.soundAvailable);
}

TEST(CQuillet, DroppedFilesOpenAndFileOpenRecentListsThemInTheNextRun)
{
    const LoopFiles files;
    OpenDialogAnswerer dialogs;
    RunOnce("", "/", "", [&files](CQuillet& quillet) {
        ASSERT_EQ(quillet.DocumentWindows().size(), 1u);  // the demo loop
        DropFiles(quillet.Frame(), {files.sound, files.document});
        ASSERT_EQ(quillet.DocumentWindows().size(), 3u);
        // On a document window, its text fields included.
        QWidget& window = *quillet.DocumentWindows().front()->SubWindow()->widget();
        DropFiles(window, {files.document});
        const QList<QLineEdit*> fields = window.findChildren<QLineEdit*>();
        const auto field = std::find_if(fields.begin(), fields.end(), [](QLineEdit* f) { return f->isEnabled(); });
        ASSERT_NE(field, fields.end());
        DropFiles(**field, {files.sound});
        EXPECT_EQ(quillet.DocumentWindows().size(), 5u);
    });
    // Sound files ask for their channel as File > Open does; documents open at once.
    EXPECT_EQ(dialogs.answered, 2);
    RunOnce("", "/", "", [](CQuillet& quillet) {
        EXPECT_EQ(RecentItems(quillet), (std::vector<std::string>{"1 drop loop.aif", "2 drop loop.qlt"}));
        quillet.DispatchCommand(Cmd::kFirstRecentDocument + 1);
        EXPECT_EQ(quillet.DocumentWindows().size(), 2u);
        EXPECT_EQ(RecentItems(quillet), (std::vector<std::string>{"1 drop loop.qlt", "2 drop loop.aif"}));
    });
}

TEST(CQuillet, RecentDocumentThatIsGoneLeavesTheListWithAnAlert)
{
    const LoopFiles files;
    const OpenDialogAnswerer dialogs;
    RunOnce("\"" + files.sound.string() + "\" \"" + files.document.string() + "\"", "/");
    std::filesystem::remove(files.sound);
    const RunResult run = RunOnce("", "/", "", [](CQuillet& quillet) {
        quillet.DispatchCommand(Cmd::kFirstRecentDocument + 1);
        EXPECT_EQ(quillet.DocumentWindows().size(), 1u);
        EXPECT_EQ(RecentItems(quillet), std::vector<std::string>{"1 drop loop.qlt"});
    });
    ASSERT_FALSE(run.alerts.empty());
    EXPECT_NE(run.alerts.back().find("Some documents could not be found."), std::string::npos) << run.alerts.back();
}

TEST(CQuillet, SettingsSurviveARestartAndTheSamplerQuestionComesOnce)
{
    CTempFolder configuration;
    const RunResult first = RunOnce("", "/", "null", [](CQuillet& quillet) {
        quillet.DoCommand(Cmd::kFirstSamplerSelection + 2);
    }, 0, configuration.Path());
    ASSERT_EQ(first.alerts.size(), 1u);
    EXPECT_NE(first.alerts[0].find("There are no samplers installed."), std::string::npos);
    EXPECT_EQ(first.openDialogsAtStart, 1);
    EXPECT_EQ(first.documentWindows, 1u);  // the demo loop, as the dialog opened nothing

    std::uint16_t selected = 0;
    const RunResult second = RunOnce("", "/", "null", [&selected](CQuillet& quillet) {
        selected = quillet.Preferences().samplers.SelectedIndex();
    }, 0, configuration.Path());
    EXPECT_TRUE(second.alerts.empty());
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(second.transmitLabel, "Export as SoundFont File");

    // "Show Open Dialog on Startup" turned off in the file.
    const auto file = configuration.Path() / "Quillet" / "Quillet Preferences.prf";
    std::vector<std::uint8_t> bytes = ReadFileBytes(file);
    const auto parp = std::search(bytes.begin(), bytes.end(), std::begin("PARP"), std::end("PARP") - 1);
    ASSERT_NE(parp, bytes.end());
    *(parp + 8 + 16) = 0;
    WriteFileBytes(file, bytes);
    EXPECT_EQ(RunOnce("", "/", "null", {}, 0, configuration.Path()).openDialogsAtStart, 0);
}

TEST(CQuillet, PreferencesThatCannotBeWrittenAreReportedAndShutDownGoesOn)
{
    CTempFolder configuration;
    std::ofstream(configuration.Path() / "Quillet") << "a file where the folder belongs";
    const RunResult run = RunOnce("", "/", "null", {}, 0, configuration.Path());
    ASSERT_EQ(run.alerts.size(), 2u);
    EXPECT_EQ(run.alerts[1], "Couldn't write Preferences file!|Program settings could not be saved.");
}

namespace {

// Works the sampler dialogs as a user would: takes every sampler the
// search offers, and in Sampler Settings renames the sampler shown, then
// removes it and closes.
class SamplerDialogUser {
public:
    SamplerDialogUser()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Act(CModalDialog::Front()); });
        timer_.start(10);
    }
    std::vector<std::string> seen;

private:
    void Act(CModalDialog* dialog)
    {
        if (auto* found = dynamic_cast<CFoundSamplerInfoDialog*>(dialog)) {
            seen.push_back("found " + found->Field(CFoundSamplerInfoDialog::kType));
            found->EndModal(CFoundSamplerInfoDialog::kYes);
        } else if (auto* rename = dynamic_cast<CRenameSamplerDialog*>(dialog)) {
            rename->NewName().SetText("Studio S-760");
            rename->Button(CRenameSamplerDialog::kOK).Press();
        } else if (auto* settings = dynamic_cast<CConfigureSamplerDialog*>(dialog); settings && !pressing_) {
            const CInstalledSampler* shown = settings->Shown();
            seen.push_back(shown ? "settings " + shown->Name() : "settings none");
            const auto button = !shown                          ? CConfigureSamplerDialog::kOK
                                : shown->Name() == "Studio S-760" ? CConfigureSamplerDialog::kDelete
                                                                  : CConfigureSamplerDialog::kRename;
            // Pressed outside this timer's call: the button may open a modal dialog of its own.
            pressing_ = true;
            QTimer::singleShot(0, [this, settings, button] {
                pressing_ = false;
                settings->Button(button).Press();
            });
        }
    }

    QTimer timer_;
    bool pressing_ = false;
};

std::vector<std::string> InstalledNames(const CQuillet& quillet)
{
    std::vector<std::string> names;
    const CInstalledSamplerList& samplers = quillet.Preferences().samplers;
    for (std::uint16_t i = 0; i < samplers.Count(); ++i)
        names.push_back(samplers.At(i).Name());
    return names;
}

}  // namespace

TEST(CQuillet, SimulatedSamplerIsFoundInstalledRenamedAndRemoved)
{
    CTempFolder configuration;
    const VariableScope simulated("QUILLET_SIMULATED_SAMPLERS", "roland");
    SamplerDialogUser user;
    std::vector<std::string> first;
    // First start: the question about samplers, answered Yes, searches.
    const RunResult firstRun = RunOnce("", "/", "null", [&first](CQuillet& quillet) { first = InstalledNames(quillet); },
                                       0, configuration.Path(), 33);
    // Second start: the sampler is verified without a word; then Sampler Settings.
    std::vector<std::string> last;
    const RunResult secondRun = RunOnce("", "/", "null", [&last](CQuillet& quillet) {
        quillet.DoCommand(Cmd::kSamplerSettings);
        last = InstalledNames(quillet);
    }, 0, configuration.Path(), 33);

    ASSERT_EQ(firstRun.alerts.size(), 1u);
    EXPECT_NE(firstRun.alerts[0].find("There are no samplers installed."), std::string::npos);
    EXPECT_EQ(first, (std::vector<std::string>{"New Window", "SampleCell", "SoundFonts", "Mixman TRK File",
                                                "SFZ Kit", "My S-760 via MIDI"}));
    EXPECT_EQ(user.seen, (std::vector<std::string>{"found Roland S-760 via MIDI", "settings My S-760 via MIDI",
                                                    "settings Studio S-760", "settings none"}));
    ASSERT_EQ(secondRun.alerts.size(), 1u);
    EXPECT_EQ(secondRun.alerts[0], "|Are your sure you want to remove this sampler?");
    EXPECT_EQ(last.size(), 5u);
}
