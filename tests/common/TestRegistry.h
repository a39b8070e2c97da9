#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// Every test class of a test program registers itself; the program's main runs them all.
namespace TestRegistry {
using Factory = std::function<std::unique_ptr<QObject>()>;
inline std::vector<Factory>& factories()
{
    static std::vector<Factory> all;
    return all;
}
inline bool add(Factory factory)
{
    factories().push_back(std::move(factory));
    return true;
}
} // namespace TestRegistry

#define ZBIRNIK_TEST(Class)                                                                        \
    static const bool registered##Class =                                                          \
        TestRegistry::add([] { return std::unique_ptr<QObject>(new Class); });
