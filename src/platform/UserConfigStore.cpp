#include "ConfigStore.h"

#ifdef _WIN32
#include "RegistryConfigStore.h"
#else
#include "FileConfigStore.h"
#endif

std::unique_ptr<ConfigStore> openUserStore()
{
#ifdef _WIN32
    return std::make_unique<RegistryConfigStore>();
#else
    return std::make_unique<FileConfigStore>(userStorePath());
#endif
}
