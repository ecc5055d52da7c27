#pragma once

#include <memory>
#include <utility>

// Holds the one object of a service that the whole process shares (the store, the language
// list, the random source, the dialogs, the sound player). The first use creates the service's
// default; tests install their own. Everything that holds one runs on the GUI thread.
template <class Service>
class ProcessWide {
public:
    static Service& get()
    {
        auto& service = slot();
        if (!service)
            service = Service::createDefault();
        return *service;
    }

    // Hands over the object in place, made now if there is none yet, and leaves none.
    static std::unique_ptr<Service> take()
    {
        get();
        return std::move(slot());
    }

    // Puts another object in place and hands back the one it replaces (null: back to default).
    static std::unique_ptr<Service> install(std::unique_ptr<Service> service)
    {
        return std::exchange(slot(), std::move(service));
    }

private:
    static std::unique_ptr<Service>& slot()
    {
        static std::unique_ptr<Service> service;
        return service;
    }
};
