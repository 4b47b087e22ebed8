#pragma once

#include "transferstep.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Cuts the bytes taken from the port into lines and finds among them the
// reply to the command outstanding. Shared by the transfer dialogs and the
// command-line tool.
//
// Principles of operation
//
// The port announces a line when its carriage return arrives; the receiver
// then takes every byte waiting. Those bytes may hold more than one line (a
// stray line end before the reply) and may end in the head of a line whose
// carriage return is still on its way. The reader keeps that unfinished
// head for the next delivery and hands the complete lines, oldest first, to
// the transfer until it takes one as its reply. Whatever came after the
// reply is dropped: the next command has not gone out yet, so nothing that
// came with this reply can answer it. When none of the lines was the
// reply, the result is Wait, and the caller goes on waiting for the reply
// within the time the command was given.
class ReplyReader
{
public:
    // Called with one line, without its carriage return.
    using Handler = std::function<TransferStep(std::string_view line)>;

    // Lines completed by `bytes`, handed to onReply as described above.
    TransferStep Feed(std::string_view bytes, const Handler& onReply);
    // Forgets an unfinished line; for the start of a transfer.
    void Clear() { m_pending.clear(); }
    std::size_t Pending() const { return m_pending.size(); }

    // A line longer than this is cut (the rest of it dropped): a reply is
    // used to 99 characters after its echo, and noise without a line end
    // must not make the reader grow.
    static constexpr std::size_t MaxLine = 1024;

private:
    std::string m_pending;
};
