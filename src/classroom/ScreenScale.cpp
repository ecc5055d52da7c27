#include "ScreenScale.h"

#include <algorithm>

ScreenScale screenScale(std::string_view stored, int screenWidth, int screenHeight)
{
    if (stored == "150")
        return {1.5, false};
    if (stored == "200")
        return {2, false};
    if (stored == "Fill")
        return {static_cast<double>(std::max(1, std::min(screenWidth / kDesignWidth, screenHeight / kDesignHeight))),
                true};
    return {};
}
