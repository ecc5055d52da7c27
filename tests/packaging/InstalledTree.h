#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <filesystem>

// This build installed as a distribution's package installs it: `cmake --install` with the
// prefix /usr into a fresh DESTDIR, whose path holds a space and a non-ASCII letter.
class InstalledTree {
public:
    InstalledTree();

    bool installed() const { return installed_; }
    // What cmake said, for a failure's message.
    const QString& log() const { return log_; }

    // The DESTDIR, and a path below it ("usr/bin/calcora").
    std::filesystem::path root() const;
    std::filesystem::path operator/(const std::filesystem::path& below) const { return root() / below; }

private:
    QTemporaryDir destination_;
    bool installed_ = false;
    QString log_;
};

// The repository's copy of a file ("LICENSE", "media/bg.bmp").
std::filesystem::path sourceFile(const std::filesystem::path& below);

// Runs a command with a generous limit; the exit code is -1 when it could not run or did
// not end. Its standard output and error, merged, go to output.
int runCommand(const QString& program, const QStringList& arguments, QString& output,
               const QStringList& environment = {});

inline constexpr const char* kAppId = "example.tovik_software.Calcora";
