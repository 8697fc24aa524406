// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What became of a request to write a file: written; refused before anything
// was touched, with the message to show; or failed, with the file concerned
// and a message that names the cause. Writers return it and never show it.
struct WriteResult
{
    enum class Status { Written, Refused, Failed };

    Status status = Status::Written;
    QString path;
    QString message;

    [[nodiscard]] bool written() const { return status == Status::Written; }

    [[nodiscard]] static WriteResult success(const QString &path)
    {
        return {Status::Written, path, {}};
    }
    [[nodiscard]] static WriteResult refusal(const QString &message)
    {
        return {Status::Refused, {}, message};
    }
    [[nodiscard]] static WriteResult failure(const QString &path, const QString &message)
    {
        return {Status::Failed, path, message};
    }
};
