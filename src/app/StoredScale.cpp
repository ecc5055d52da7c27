#include "StoredScale.h"

#include "AppError.h"
#include "ConfigNames.h"
#include "ConfigStore.h"

#include <QGuiApplication>
#include <QScreen>

#include <vector>

namespace {

// The primary screen's size, from a short-lived application (the real one reads the scale
// factor when it is made, so it cannot ask).
QSize primaryScreenSize(int argc, char* argv[])
{
    std::vector<char*> arguments(argv, argv + argc);
    int count = argc;
    const QGuiApplication probe(count, arguments.data());
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

} // namespace

ScreenScale applyStoredScale(int argc, char* argv[])
{
    std::string stored;
    try {
        stored = openUserStore()->ReadString(config::kInterface, config::kSize, "");
    } catch (const AppError&) {
        return {};
    }
    if (stored.empty() || stored == kSizeValues[0])
        return {};
    const QSize screen = stored == "Fill" ? primaryScreenSize(argc, argv) : QSize();
    const ScreenScale scale = screenScale(stored, screen.width(), screen.height());
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR") && scale.factor != 1)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale.factor));
    return scale;
}
