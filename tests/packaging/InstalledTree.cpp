#include "InstalledTree.h"

#include <QDir>
#include <QProcess>

namespace {

constexpr int kCommandLimitMs = 300'000;

std::filesystem::path fromQt(const QString& path)
{
    return std::filesystem::path(path.toStdString());
}

} // namespace

int runCommand(const QString& program, const QStringList& arguments, QString& output,
               const QStringList& environment)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& setting : environment)
        variables.insert(setting.section('=', 0, 0), setting.section('=', 1));
    process.setProcessEnvironment(variables);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(kCommandLimitMs);
    output = QString::fromUtf8(process.readAll());
    if (!ended || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

InstalledTree::InstalledTree()
    : destination_(QDir::tempPath() + "/Installed Calcora \u00dc-XXXXXX")
{
    if (!destination_.isValid()) {
        log_ = destination_.errorString();
        return;
    }
    const int exitCode = runCommand(CALCORA_CMAKE, {"--install", CALCORA_BUILD_DIR, "--prefix", "/usr"},
                                    log_, {"DESTDIR=" + destination_.path()});
    installed_ = exitCode == 0;
}

std::filesystem::path InstalledTree::root() const
{
    return fromQt(destination_.path());
}

std::filesystem::path sourceFile(const std::filesystem::path& below)
{
    return std::filesystem::path(CALCORA_SOURCE_DIR) / below;
}
