#pragma once

#include "ProcessWide.h"

#include <memory>
#include <utility>

// Puts a test's own object in place of a process-wide service for one scope and brings the
// previous one back afterwards.
template <class Service, class Concrete = Service>
class ScopedService {
public:
    template <class... Args>
    explicit ScopedService(Args&&... args)
    {
        auto object = std::make_unique<Concrete>(std::forward<Args>(args)...);
        object_ = object.get();
        previous_ = ProcessWide<Service>::install(std::move(object));
    }
    ~ScopedService() { ProcessWide<Service>::install(std::move(previous_)); }

    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;

    Concrete& operator*() const { return *object_; }
    Concrete* operator->() const { return object_; }

private:
    Concrete* object_ = nullptr;
    std::unique_ptr<Service> previous_;
};
