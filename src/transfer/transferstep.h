#pragma once

#include <string>

// What a transfer wants after a line from the radio: send the next command
// line, stop (well or with a message for the user), or go on waiting
// because the line was not the reply to the command outstanding.
struct TransferStep {
    enum class Action { Send, Finished, Failed, Wait };

    Action action = Action::Finished;
    std::string command; // Send: the line without its carriage return
    std::string message; // Failed: the text for the message box

    static TransferStep Send(std::string line) { return {Action::Send, std::move(line), {}}; }
    static TransferStep Finish() { return {}; }
    static TransferStep Fail(std::string text) { return {Action::Failed, {}, std::move(text)}; }
    // The command is still outstanding and its reply time keeps running.
    static TransferStep KeepWaiting() { return {Action::Wait, {}, {}}; }
};
