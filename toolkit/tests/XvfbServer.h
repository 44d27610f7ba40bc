// A private X server for tests: Xvfb on a display number it picks itself, stopped on destruction.
#pragma once

#include <string>

#include <sys/types.h>

class XvfbServer
{
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool isRunning() const { return !display.empty(); }
    // ":N", to pass to the window.
    const std::string& getDisplay() const { return display; }

private:
    pid_t pid = -1;
    int readEnd = -1;
    std::string display;
};
