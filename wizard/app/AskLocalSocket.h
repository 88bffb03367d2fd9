// The asking side of a LocalSocketServer: blocks until the answer or the
// time limit, for a program that has nothing else to do meanwhile.
#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

// Connects to `path`, sends `request` and reads a one-line answer (with its
// newline). Empty when nobody listens, the line does not come within `limit`
// for the whole exchange, or the path cannot name a socket.
std::optional<QByteArray> AskLocalSocket(const QString& path, const QByteArray& request,
                                         std::chrono::milliseconds limit);
