// run --window on a private X server: a click on the real window reaches the plug-in through the
// routine table, and the program ends when its window is gone.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

#include "HostProgram.h"
#include "XvfbServer.h"

namespace
{
pid_t StartHost(const std::string& display, const std::vector<std::string>& arguments, const std::string& output)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    setenv("DISPLAY", display.c_str(), 1);
    if (std::freopen(output.c_str(), "w", stdout) == nullptr)
        _exit(126);
    std::vector<char*> argv{const_cast<char*>(KELVARO_HOST_PROGRAM)};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

// The first top-level window that appears on the display.
xcb_window_t WaitForWindow(xcb_connection_t* connection)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    for (int attempt = 0; attempt < 200; ++attempt)
    {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
        const xcb_window_t window = tree != nullptr && xcb_query_tree_children_length(tree) > 0
                                        ? xcb_query_tree_children(tree)[0]
                                        : 0;
        std::free(tree);
        if (window != 0)
            return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}

void Click(xcb_connection_t* connection, xcb_window_t window, SInt16 x, SInt16 y)
{
    xcb_button_press_event_t press{};
    press.response_type = XCB_BUTTON_PRESS;
    press.detail = 1;
    press.event = window;
    press.event_x = x;
    press.event_y = y;
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_BUTTON_PRESS, reinterpret_cast<const char*>(&press));
    xcb_flush(connection);
}
struct SWindowRun
{
    int fExitStatus = -1;
    std::string fOut;
};

// Runs the bundle with its window on a private X server, clicks once at (x, y) and closes the
// window by ending the server.
SWindowRun RunWindowWithOneClick(const std::string& bundle, SInt16 x, SInt16 y, const CScratchFolder& folder)
{
    pid_t host = -1;
    {
        XvfbServer server;
        if (!server.isRunning())
            return {};
        host = StartHost(server.getDisplay(), {"run", bundle, "--window", "--snapshot", folder / "after.png"},
                         folder / "out.txt");
        xcb_connection_t* connection = xcb_connect(server.getDisplay().c_str(), nullptr);
        const xcb_window_t window = WaitForWindow(connection);
        if (window != 0)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            Click(connection, window, x, y);
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
        xcb_disconnect(connection);
    }
    int status = 0;
    waitpid(host, &status, 0);
    std::ifstream out(folder / "out.txt");
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            {std::istreambuf_iterator<char>(out), std::istreambuf_iterator<char>()}};
}
} // namespace

TEST(HostWindow, ClickInTheRealWindowReachesThePlugInAndClosingEndsTheRun)
{
    const CScratchFolder folder;
    EXPECT_EQ(RunWindowWithOneClick(KELVARO_PASSTHROUGH_BUNDLE, 10, 10, folder).fExitStatus, 0);
    EXPECT_EQ(ReadPicture(folder / "after.png").Centre(), kFixtureRed) << "the click did not reach the view";
}

// The whole way of a user's click: the window, the routine table, the adapter's view, the
// meter's editor, the effect's callback, the automation's tokens and back to the control.
TEST(HostWindow, ClickOnTheMeterWindowsMonoButtonSwitchesMono)
{
    const CScratchFolder folder;
    const SWindowRun run = RunWindowWithOneClick(KELVARO_METER_BUNDLE, 107, 705, folder);
    EXPECT_EQ(run.fExitStatus, 0);
    EXPECT_NE(run.fOut.find("controls: Mono = On, Link = Off"), std::string::npos) << run.fOut;
}
