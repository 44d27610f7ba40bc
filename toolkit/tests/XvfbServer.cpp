#include "XvfbServer.h"

#include <csignal>
#include <string>

#include <poll.h>
#include <sys/prctl.h>
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
        // A test that dies must not leave its server holding the test runner's output open.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(fds[0]);
        const std::string writeEnd = std::to_string(fds[1]);
        // -displayfd makes the server choose a free display and write its number to us.
        execlp("Xvfb", "Xvfb", "-displayfd", writeEnd.c_str(), "-screen", "0", "320x800x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (pid < 0)
    {
        close(fds[0]);
        return;
    }
    // Kept open while the server runs: it dies when it cannot write the whole line.
    readEnd = fds[0];
    std::string line;
    pollfd ready{readEnd, POLLIN, 0};
    char character = 0;
    while (line.find('\n') == std::string::npos && poll(&ready, 1, 10000) == 1 && read(readEnd, &character, 1) == 1)
        line += character;
    const size_t end = line.find('\n');
    if (end != std::string::npos)
        display.append(":").append(line, 0, end);
}

XvfbServer::~XvfbServer()
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    close(readEnd);
}
