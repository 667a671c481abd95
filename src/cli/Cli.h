#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace korv::cli {

// Where the program finds its surroundings; the program uses the defaults, tests point them elsewhere.
struct Environment {
    QString settingsPath;  // empty: the window's settings file in the user's configuration folder
    QString languageDirectory;  // empty: the working directory
};

// The whole program: `arguments` as received (its own name first), results on `out`, failures
// on `err`; returns the exit code.
int run(const QStringList& arguments, const Environment& environment, QTextStream& out, QTextStream& err);

}  // namespace korv::cli
