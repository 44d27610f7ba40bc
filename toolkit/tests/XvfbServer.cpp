#include "XvfbServer.h"

#include <csignal>
#include <cstdio>
#include <string>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

XvfbServer::XvfbServer()
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    pid = fork();
    if (pid == 0)
    {
        close(fds[0]);
        const std::string writeEnd = std::to_string(fds[1]);
        // -displayfd makes the server choose a free display and write its number to us.
        execlp("Xvfb", "Xvfb", "-displayfd", writeEnd.c_str(), "-screen", "0", "320x800x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    pollfd ready{fds[0], POLLIN, 0};
    char number[16] = {};
    if (pid > 0 && poll(&ready, 1, 10000) == 1 && read(fds[0], number, sizeof number - 1) > 0)
    {
        std::string digits(number);
        digits.erase(digits.find_last_not_of("\n") + 1);
        display = ":" + digits;
    }
    close(fds[0]);
}

XvfbServer::~XvfbServer()
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}
