#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Sets an environment variable for as long as the object lives, then puts
// back what was there; child processes started meanwhile inherit it.
class EnvironmentOverride {
public:
    EnvironmentOverride(std::string name, const std::string& value) : m_name(std::move(name)) {
        if (const char* old = std::getenv(m_name.c_str())) {
            m_old = old;
        }
        ::setenv(m_name.c_str(), value.c_str(), 1);
    }
    ~EnvironmentOverride() {
        if (m_old) {
            ::setenv(m_name.c_str(), m_old->c_str(), 1);
        } else {
            ::unsetenv(m_name.c_str());
        }
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};
