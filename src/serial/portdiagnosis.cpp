#include "portdiagnosis.h"

#include "exclusiveclaim.h"
#include "uniquefd.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace {

using Result = PortDiagnosis::Result;
using State = PortDiagnosis::State;

std::string ErrnoText(int error)
{
    return std::error_code(error, std::generic_category()).message();
}

std::string UserName(uid_t uid)
{
    if (const passwd* entry = ::getpwuid(uid))
        return entry->pw_name;
    return std::to_string(uid);
}

std::string GroupName(gid_t gid)
{
    if (const group* entry = ::getgrgid(gid))
        return entry->gr_name;
    return std::to_string(gid);
}

// The groups of this process: what counts for opening a device now.
bool ProcessHasGroup(gid_t gid)
{
    if (::getegid() == gid)
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, gid) != groups.begin() + got;
}

// The groups the database gives the user: what the next login will have.
bool LoginHasGroup(uid_t uid, gid_t gid)
{
    const passwd* entry = ::getpwuid(uid);
    if (!entry)
        return false;
    const std::string name = entry->pw_name;
    const gid_t primary = entry->pw_gid;
    if (primary == gid)
        return true;
    int count = 32;
    std::vector<gid_t> groups;
    for (int attempt = 0; attempt < 4; ++attempt) {
        groups.resize(static_cast<std::size_t>(count));
        int asked = count;
        if (::getgrouplist(name.c_str(), primary, groups.data(), &asked) >= 0) {
            groups.resize(static_cast<std::size_t>(asked));
            return std::find(groups.begin(), groups.end(), gid) != groups.end();
        }
        count = std::max(asked, count * 2);
    }
    return false;
}

Result NoPermission(const struct stat& info, const PortDiagnosis::Roots& roots)
{
    const PortDiagnosis::Access access = PortDiagnosis::AccessOf(info, roots);
    return {State::NoPermission, PortDiagnosis::PermissionReason(access), {}, PortDiagnosis::PermissionCommand(access)};
}

// A cause outside the device, after the device's own reason.
Result WithFinding(Result result, const CableDoctor::Finding& finding, const char* joint)
{
    if (!finding.Found())
        return result;
    if (!result.reason.empty() && result.reason.back() == '.')
        result.reason.pop_back();
    result.reason += joint + finding.reason;
    result.command = finding.command;
    return result;
}

// Missing, and brltty may be why: the adapter is there without a tty.
Result Missing(const std::string& reason, const PortDiagnosis::Roots& roots)
{
    return WithFinding({State::Missing, reason, {}, {}}, CableDoctor::BrlttyTookAdapter(roots), "; maybe ");
}

std::string HolderList(const std::vector<PortHolders::Holder>& holders)
{
    std::string list;
    for (const auto& holder : holders)
        list += (list.empty() ? "" : ", ") + PortHolders::Describe(holder);
    return list;
}

// Another program has it. `locked` when our own lock attempt failed, so we
// know it is taken even if /proc does not show by whom.
Result Held(const std::vector<PortHolders::Holder>& holders, bool locked, bool exclusive)
{
    if (holders.empty()) {
        // Only the kernel's exclusive mode outlives its program (kill -9);
        // without the right to open the device anyway, it cannot be cleared
        // from here, but a new connection starts without it.
        return {State::Held,
                exclusive ? "it is locked by a program that has ended; unplug and replug the cable."
                          : "another program holds it locked; close that program first.",
                {},
                {}};
    }
    const bool anyLock = std::any_of(holders.begin(), holders.end(), [](const auto& h) { return h.locked; });
    std::string reason = "another program has it open";
    if (!locked && !anyLock)
        reason += " without a lock, and would take the radio's replies";
    reason += ": " + HolderList(holders) + "; close that program first.";
    return {State::Held, reason, holders, {}};
}

} // namespace

const char* PortDiagnosis::StateText(State state)
{
    switch (state) {
    case State::Usable: return "usable";
    case State::Missing: return "missing";
    case State::NoPermission: return "no permission";
    case State::NotSerial: return "not a serial device";
    case State::Held: return "in use";
    case State::Failed: break;
    }
    return "fails";
}

std::string PortDiagnosis::PermissionReason(const Access& access)
{
    const std::string denied = "permission denied";
    if (!access.groupMayUse) {
        return denied + ": only its owner " + access.owner +
               " may open it; ask the administrator to give it to a group such as dialout.";
    }
    const std::string group = "\"" + access.group + "\"";
    if (access.inGroupNow)
        return denied + " although " + access.user + " is in the group " + group + " that owns it.";
    if (access.inGroupAtLogin) {
        return denied + ": " + access.user + " is in the group " + group +
               ", but was added after this session began, which still runs without it; log in again (or restart) to "
               "use it.";
    }
    return denied + ": it belongs to the group " + group + ", and " + access.user + " is not in it. Run  " +
           PermissionCommand(access) + "  and log out and in again.";
}

std::string PortDiagnosis::PermissionCommand(const Access& access)
{
    if (!access.groupMayUse || access.inGroupNow || access.inGroupAtLogin)
        return {};
    return "sudo usermod -aG " + access.group + " " + access.user;
}

PortDiagnosis::Access PortDiagnosis::AccessOf(const struct stat& node, const Roots& roots)
{
    Access access;
    access.user = UserName(::getuid());
    access.owner = UserName(node.st_uid);
    access.groupMayUse = (node.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    access.inGroupNow = ProcessHasGroup(node.st_gid);
    const CableDoctor::GroupEntry group = CableDoctor::Group(node.st_gid, roots);
    if (group.found) {
        access.group = group.name;
        const passwd* entry = ::getpwuid(::getuid());
        access.inGroupAtLogin =
            (entry && entry->pw_gid == node.st_gid) ||
            std::find(group.members.begin(), group.members.end(), access.user) != group.members.end();
    } else {
        // A group from a directory service: the system's own look-ups.
        access.group = GroupName(node.st_gid);
        access.inGroupAtLogin = LoginHasGroup(::getuid(), node.st_gid);
    }
    return access;
}

Result PortDiagnosis::Diagnose(const std::string& path, const Roots& roots)
{
    return Diagnose(path, PortHolders::Of(path), roots);
}

Result PortDiagnosis::Diagnose(const std::string& path, const std::vector<PortHolders::Holder>& holders,
                               const Roots& roots)
{
    if (path.empty())
        return Missing("no device is named.", roots);
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return Missing("it does not exist: the cable is unplugged, or the name is wrong.", roots);
        return {State::Failed, ErrnoText(error) + ".", {}, {}};
    }
    if (!S_ISCHR(info.st_mode))
        return {State::NotSerial, "it is not a serial device.", {}, {}};
    if (::access(path.c_str(), R_OK | W_OK) != 0 && errno == EACCES)
        return NoPermission(info, roots);

    int fd;
    do
        fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    const UniqueFd device(fd);
    if (!device.Valid()) {
        const int error = errno;
        switch (error) {
        case EACCES:
        case EPERM: return NoPermission(info, roots);
        case EBUSY: return Held(holders, true, true);
        case ENOENT:
        case ENXIO:
        case ENODEV:
        case EIO: return Missing("there is no port hardware behind it (" + ErrnoText(error) + ").", roots);
        default: return {State::Failed, ErrnoText(error) + ".", {}, {}};
        }
    }
    termios settings{};
    if (::tcgetattr(device.Get(), &settings) != 0)
        return {State::NotSerial, "it is not a serial device.", {}, {}};
    const CableDoctor::Finding probing = CableDoctor::ModemManagerMayProbe(info.st_rdev, roots);
    ExclusiveClaim claim;
    std::string error;
    if (!claim.Acquire(device.Get(), ExclusiveClaim::Mode::Probe, &error))
        return WithFinding(Held(holders, true, error.find("exclusive") != std::string::npos), probing, ". ");
    if (!holders.empty())
        return WithFinding(Held(holders, false, false), probing, ". ");
    return WithFinding({State::Usable, "it is free.", {}, {}}, probing, ", but ");
}
