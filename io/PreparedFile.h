// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// A file ready to be written: where, the encoded bytes, or why it must not
// be written at all (in Japanese, for the user). Checking everything first
// lets a caller refuse before any file is touched, then write what it
// checked.
struct PreparedFile
{
    QString path;
    QByteArray bytes;
    QString problem;

    [[nodiscard]] bool ok() const { return problem.isEmpty(); }
};
