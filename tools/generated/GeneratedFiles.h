#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

// The command line every resource generator has: "write FOLDER" puts the files it draws in
// FOLDER, "check FOLDER" says whether the stored ones are what it draws now (a PNG by its
// pixels, not its bytes).
namespace generated {

struct GeneratedFile {
    QString name;
    QByteArray bytes;
};

using Drawing = std::function<std::vector<GeneratedFile>()>;

// Runs `program write|check FOLDER` with the files `draw` makes; the exit status.
int runGenerator(int argc, char** argv, const char* program, const Drawing& draw);

} // namespace generated
