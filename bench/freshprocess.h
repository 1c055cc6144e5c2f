// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QtGlobal>

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

// Memory figures of work done in a fresh process: memory one run gives back is reused by the
// next, so what a run adds shows only in a process that has not run it yet.

// A field of /proc/self/status in megabytes ("VmRSS", "VmHWM").
inline double statusMegabytes(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

// What measure gives in a child forked now; measure gives a negative figure when its work
// failed, which ends the benchmark with what names it.
inline double inFreshProcess(const std::function<double()> &measure, const char *what)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        qFatal("no pipe");
    const pid_t child = fork();
    if (child == 0) {
        const double figure = measure();
        _exit(write(pipeEnds[1], &figure, sizeof figure) == sizeof figure ? 0 : 1);
    }
    close(pipeEnds[1]);
    double figure = -1;
    if (read(pipeEnds[0], &figure, sizeof figure) != sizeof figure || figure < 0)
        qFatal("%s in the child process failed", what);
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return figure;
}
