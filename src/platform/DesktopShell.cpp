#include "Shell.h"

#include "DisplayText.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class DesktopShell final : public Shell {
public:
    void Open(const std::string& address) override
    {
        QDesktopServices::openUrl(QUrl::fromUserInput(displayText(address)));
    }
};

} // namespace

std::unique_ptr<Shell> createDesktopShell()
{
    return std::make_unique<DesktopShell>();
}
