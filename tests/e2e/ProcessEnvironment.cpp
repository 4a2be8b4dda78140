#include "ProcessEnvironment.h"

extern char** environ;

namespace tavernrush::e2e {

ProcessEnvironment ProcessEnvironment::inherited()
{
    ProcessEnvironment environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        const std::string::size_type equals = text.find('=');
        if (equals != std::string::npos) {
            environment.variables_[text.substr(0, equals)] = text.substr(equals + 1);
        }
    }
    return environment;
}

ProcessEnvironment& ProcessEnvironment::set(const std::string& name, const std::string& value)
{
    variables_[name] = value;
    return *this;
}

ProcessEnvironment& ProcessEnvironment::unset(const std::string& name)
{
    variables_.erase(name);
    return *this;
}

std::vector<std::string> ProcessEnvironment::entries() const
{
    std::vector<std::string> result;
    for (const auto& [name, value] : variables_) {
        result.push_back(name + "=" + value);
    }
    return result;
}

} // namespace tavernrush::e2e
