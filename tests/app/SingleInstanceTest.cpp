#include "app/instance/CSingleInstance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <future>
#include <memory>
#include <unistd.h>

namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "test_app_core";
            static char* argv[] = {name, nullptr};
            static QCoreApplication application(argc, argv);
        }
    }

    std::string Name() const
    {
        return "quillet-test-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }

    // Runs a later start on its own thread while this thread serves events.
    static CSingleInstance::Role StartElsewhere(const std::string& name, int ackTimeout)
    {
        auto role = std::async(std::launch::async, [&] {
            CSingleInstance later(name);
            return later.Start("/home/user", "\"My Loop.aif\" b.wav", ackTimeout);
        });
        while (role.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return role.get();
    }
};

}  // namespace

TEST_F(SingleInstanceTest, LaterStartHandsItsCommandLineOver)
{
    CSingleInstance first(Name());
    ASSERT_EQ(first.Start("/", ""), CSingleInstance::Role::kFirst);
    std::string folder;
    std::string line;
    first.SetHandler([&](const std::string& f, const std::string& l) {
        folder = f;
        line = l;
    });
    EXPECT_EQ(StartElsewhere(Name(), 5000), CSingleInstance::Role::kHandedOver);
    for (int i = 0; i < 100 && line.empty(); ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(folder, "/home/user");
    EXPECT_EQ(line, "\"My Loop.aif\" b.wav");
}

TEST_F(SingleInstanceTest, UnansweredHandOverRunsAlone)
{
    // An instance that accepts the connection but never acknowledges.
    QLocalServer mute;
    QLocalServer::removeServer(QString::fromStdString(Name()));
    ASSERT_TRUE(mute.listen(QString::fromStdString(Name())));
    EXPECT_EQ(StartElsewhere(Name(), 200), CSingleInstance::Role::kAlone);
}

TEST_F(SingleInstanceTest, StoppedOrDeadInstanceIsNoLongerFound)
{
    for (const bool stopped : {true, false}) {
        auto first = std::make_unique<CSingleInstance>(Name());
        ASSERT_EQ(first->Start("/", ""), CSingleInstance::Role::kFirst);
        if (stopped)
            first->Stop();
        else
            first.reset();  // its socket file may be left behind
        CSingleInstance next(Name());
        EXPECT_EQ(next.Start("/", ""), CSingleInstance::Role::kFirst) << stopped;
    }
}

TEST(SingleInstanceName, OnePerUserAndDisplay)
{
    const std::string user = "Quillet-" + std::to_string(getuid()) + "-";
    EXPECT_EQ(CSingleInstance::ServerName(":0"), user + "_0");
    EXPECT_EQ(CSingleInstance::ServerName("host.example:10.0"), user + "host.example_10.0");
    EXPECT_EQ(CSingleInstance::ServerName("wayland-1"), user + "wayland-1");
    EXPECT_NE(CSingleInstance::ServerName(":0"), CSingleInstance::ServerName(":1"));
    EXPECT_EQ(CSingleInstance::ServerName("../x/y"), user + ".._x_y");
}
