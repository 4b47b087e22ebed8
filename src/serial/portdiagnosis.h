#pragma once

#include "cabledoctor.h"
#include "portholders.h"

#include <sys/stat.h>

#include <string>
#include <vector>

// Why a serial device can or cannot be used now, in words a user can act
// on, found without sending a byte: the device is opened (non-blocking, not
// as controlling terminal), its locks are tried and given back, and /proc
// is asked who else has it open; its line settings are not changed.
//
// The checks go from the outside in, so the first reason found is the one
// the user must fix first: does it exist, may we open it, is it a
// terminal, does another program hold it (locked, in exclusive mode, or
// merely open). A device that is missing while brltty holds a USB adapter
// back, and a USB device that ModemManager may probe, say so too
// (CableDoctor); the system files it reads are the given roots.
class PortDiagnosis
{
public:
    enum class State {
        Usable,
        Missing,      // no such device, or no hardware behind the node
        NoPermission, // the user may not open it
        NotSerial,    // it is something other than a terminal device
        Held,         // another program has it
        Failed,       // the system refused it for another reason
    };

    struct Result {
        State state = State::Usable;
        std::string reason; // one sentence, without the device's name
        std::vector<PortHolders::Holder> holders;
        std::string command; // the command the reason advises, to copy; may be empty
    };

    using Roots = CableDoctor::Roots;

    static Result Diagnose(const std::string& path, const Roots& roots = Roots());
    // As Diagnose, when the holders were already looked up for many devices.
    static Result Diagnose(const std::string& path, const std::vector<PortHolders::Holder>& holders,
                           const Roots& roots = Roots());

    // "usable", "missing", "no permission", "not a serial device", "in use",
    // "fails".
    static const char* StateText(State state);

    // What decides the advice for a device the user may not open.
    struct Access {
        std::string user;    // login name of the real user
        std::string owner;   // the node's owner
        std::string group;   // the node's group ("dialout")
        bool groupMayUse;    // its mode lets the group read and write
        bool inGroupNow;     // this process already has that group
        bool inGroupAtLogin; // the group database lists the user in it
    };
    // For this process's user and a node with that owner, group and mode;
    // the group file of the roots first, the system's databases after.
    static Access AccessOf(const struct stat& node, const Roots& roots);
    static std::string PermissionReason(const Access& access);
    // "sudo usermod -aG dialout alice" where that is the advice, else empty.
    static std::string PermissionCommand(const Access& access);
};
