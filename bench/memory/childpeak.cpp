#include "childpeak.h"

#include <QFile>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

Run runProgram(const QByteArray &program, const QStringList &args)
{
    Run run;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return run;
    // Spawned without copying this process's pages, which fork would count as the child's.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<QByteArray> words{program};
    for (const QString &arg : args)
        words.push_back(QFile::encodeName(arg));
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return run;
    }
    ::close(pipeFds[1]);
    char buffer[65536];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        run.outputBytes += n;
    ::close(pipeFds[0]);
    int status = 0;
    rusage usage = {};
    if (::wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.peakKiB = usage.ru_maxrss;
    return run;
}
