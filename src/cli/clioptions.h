#pragma once

#include <optional>
#include <string>
#include <vector>

// Splits a verb's arguments into the options the tool knows and the
// positional arguments. Unknown options are usage errors.
class CliOptions
{
public:
    // `valued` lists the options that take a value ("--type").
    bool Parse(const std::vector<std::string>& args, const std::vector<std::string>& valued,
               const std::vector<std::string>& flags = {});
    // The same for a verb that takes `count` positional arguments: with more
    // or fewer, `usage` ("convert needs IN and OUT") is the error.
    bool Parse(const std::vector<std::string>& args, const std::vector<std::string>& valued, std::size_t count,
               const std::string& usage, const std::vector<std::string>& flags = {});

    std::optional<std::string> Value(const std::string& name) const;
    bool Flag(const std::string& name) const;
    const std::vector<std::string>& Positional() const { return m_positional; }
    const std::string& Error() const { return m_error; }

private:
    std::vector<std::pair<std::string, std::string>> m_values;
    std::vector<std::string> m_flags;
    std::vector<std::string> m_positional;
    std::string m_error;
};
