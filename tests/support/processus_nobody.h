#pragma once

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Runs `f` in a child process that has left root for "nobody", whom file modes do stop (root reads and
// writes whatever the mode). Returns f's result (0 to 124), or -1 when the child could not become nobody
// or did not end normally. The child cannot report to the test framework: it answers through its result.
inline int dans_un_processus_nobody(const std::function<int()>& f)
{
    constexpr int pas_nobody = 125;
    const pid_t enfant = ::fork();
    if (enfant < 0)
        return -1;
    if (enfant == 0) {
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(pas_nobody);
        ::_exit(f());
    }
    int etat = 0;
    if (::waitpid(enfant, &etat, 0) != enfant || !WIFEXITED(etat) || WEXITSTATUS(etat) == pas_nobody)
        return -1;
    return WEXITSTATUS(etat);
}
