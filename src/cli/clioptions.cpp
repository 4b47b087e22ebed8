#include "clioptions.h"

#include <algorithm>

bool CliOptions::Parse(const std::vector<std::string>& args, const std::vector<std::string>& valued, std::size_t count,
                       const std::string& usage, const std::vector<std::string>& flags)
{
    if (!Parse(args, valued, flags))
        return false;
    if (m_positional.size() != count) {
        m_error = usage;
        return false;
    }
    return true;
}

bool CliOptions::Parse(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                       const std::vector<std::string>& flags)
{
    bool optionsDone = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsDone || arg.size() < 2 || arg[0] != '-') {
            m_positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsDone = true;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> inlineValue;
        const std::size_t eq = arg.find('=');
        if (eq != std::string::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        if (std::find(valued.begin(), valued.end(), name) != valued.end()) {
            if (inlineValue) {
                m_values.emplace_back(name, *inlineValue);
            } else if (i + 1 < args.size()) {
                m_values.emplace_back(name, args[++i]);
            } else {
                m_error = name + " needs a value";
                return false;
            }
        } else if (!inlineValue && std::find(flags.begin(), flags.end(), name) != flags.end()) {
            m_flags.push_back(name);
        } else {
            m_error = "unknown option " + name;
            return false;
        }
    }
    return true;
}

std::optional<std::string> CliOptions::Value(const std::string& name) const
{
    for (auto it = m_values.rbegin(); it != m_values.rend(); ++it)
        if (it->first == name)
            return it->second;
    return std::nullopt;
}

bool CliOptions::Flag(const std::string& name) const
{
    return std::find(m_flags.begin(), m_flags.end(), name) != m_flags.end();
}
