// SPDX-License-Identifier: MIT
#pragma once

#include "templates/TemplateStore.h"

#include <QFile>
#include <QTemporaryDir>

// A fresh home folder and template store for one test of the main window.
// HOME points at the home folder from construction on, so that a default
// road or a fault that walks the wizard to its end writes nothing outside.
struct TemporaryHome
{
    TemporaryHome() { qputenv("HOME", QFile::encodeName(home.path())); }

    [[nodiscard]] bool isValid() const { return home.isValid() && store.isValid(); }
    [[nodiscard]] TemplateStore templateStore(PathStyle style = nativePathStyle()) const
    {
        return TemplateStore(store.path(), style);
    }

    QTemporaryDir home;
    QTemporaryDir store;
};
