// The program's entry: one instance per user and display, then the application's run.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
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
#include "gui/framework/windows/CFrameWindow.h"

namespace {

constexpr const char* kSceneOption = "--screenshot-scene=";

// Screenshot runs show the demo loop, never the Open dialog.
class CSceneQuillet : public CQuillet {
public:
    using CQuillet::CQuillet;

private:
    void AskForDocumentAtStart() override {}
};

// The program's icon where the installed one is not found: the splash
// picture's colours, slice bars and a "Q".
QIcon MakeIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x1d, 0x2b, 0x4f));
        painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        painter.setBrush(QColor(0xf2, 0xc1, 0x4e));
        const int bars[] = {5, 8, 4, 9};
        for (int i = 0; i < 4; ++i) {
            const double width = size / 10.0;
            const double height = size * bars[i] / 20.0;
            painter.drawRect(QRectF(size * (0.5 + 0.11 * i), size * 0.9 - height, width, height));
        }
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setBold(true);
        font.setPixelSize(size * 3 / 4);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(0, 0, size * 0.55, size), Qt::AlignCenter, QStringLiteral("Q"));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// The display the program shows on: the X or Wayland display, else the platform's name.
std::string DisplayName()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QStringLiteral("xcb"))
        return qEnvironmentVariable("DISPLAY").toStdString();
    if (platform.startsWith(QStringLiteral("wayland")))
        return qEnvironmentVariable("WAYLAND_DISPLAY").toStdString();
    return platform.toStdString();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quillet"));
    // The desktop matches the windows to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillet.Quillet"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.quillet.Quillet"), MakeIcon()));

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
    const std::string server = CSingleInstance::ServerName(DisplayName());
    CSingleInstance instance(scene.empty() ? server : server + "-scene");
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
        const std::unique_ptr<CQuillet> application = scene.empty()
                                                          ? std::make_unique<CQuillet>(commandLine, folder)
                                                          : std::make_unique<CSceneQuillet>(commandLine, folder);
        CQuillet& quillet = *application;
        if (role == CSingleInstance::Role::kFirst) {
            // A dialog in front finishes first: nothing opens behind it.
            instance.SetHandler([&quillet](const std::string& from, const std::string& line) {
                quillet.Defer([&quillet, from, line] {
                    quillet.Frame().raise();
                    quillet.Frame().activateWindow();
                    if (!line.empty())
                        quillet.OpenCommandLine(line, from);
                });
            });
        }
        std::unique_ptr<CDeveloperScene> developerScene;
        if (!scene.empty())
            developerScene = std::make_unique<CDeveloperScene>(quillet, scene);
        const int result = quillet.Run();
        instance.Stop();
        return result;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "quillet: %s\n", failure.what());
        return 1;
    }
}
