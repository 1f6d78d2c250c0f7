// The program's entry: one instance per user, then the application's run.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/CQuillet.h"
#include "app/instance/CSingleInstance.h"
#include "app/startup/CCommandLineScanner.h"
#include "app/window/CDeveloperScene.h"
#include "framework/ui/windows/CFrameWindow.h"

namespace {

constexpr const char* kSceneOption = "--screenshot-scene=";

}  // namespace

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quillet"));

    std::string scene;
    std::vector<std::string> names;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind(kSceneOption, 0) == 0)
            scene = argument.substr(std::string(kSceneOption).size());
        else
            names.push_back(argument);
    }
    if (!scene.empty() && !CDeveloperScene::IsKnown(scene)) {
        std::fprintf(stderr, "quillet: unknown screenshot scene \"%s\"\n", scene.c_str());
        return 2;
    }

    const std::string folder = QDir::currentPath().toStdString();
    const std::string commandLine = CCommandLineScanner::JoinArguments(names);
    // Screenshot runs stay apart from a running instance.
    CSingleInstance instance(scene.empty() ? CSingleInstance::DefaultServerName()
                                           : CSingleInstance::DefaultServerName() + "-scene");
    const CSingleInstance::Role role = instance.Start(folder, commandLine);
    if (role == CSingleInstance::Role::kHandedOver)
        return 0;

    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || !CApplication::ColourDepthSupported(screen->depth())) {
        QMessageBox::critical(nullptr, QStringLiteral("Quillet"),
                              QStringLiteral("Unsupported colordepth, application will terminate."));
        return 1;
    }

    try {
        CQuillet quillet(commandLine, folder);
        if (role == CSingleInstance::Role::kFirst) {
            instance.SetHandler([&quillet](const std::string& from, const std::string& line) {
                quillet.Frame().raise();
                quillet.Frame().activateWindow();
                if (!line.empty())
                    quillet.OpenCommandLine(line, from);
            });
        }
        std::unique_ptr<CDeveloperScene> developerScene;
        if (!scene.empty())
            developerScene = std::make_unique<CDeveloperScene>(quillet, scene);
        return quillet.Run();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "quillet: %s\n", failure.what());
        return 1;
    }
}
