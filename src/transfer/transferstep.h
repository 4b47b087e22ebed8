#pragma once

#include <string>

// What a transfer wants after a reply: send the next command line, or stop,
// well or with a message for the user.
struct TransferStep {
    enum class Action { Send, Finished, Failed };

    Action action = Action::Finished;
    std::string command; // Send: the line without its carriage return
    std::string message; // Failed: the text for the message box

    static TransferStep Send(std::string line) { return {Action::Send, std::move(line), {}}; }
    static TransferStep Finish() { return {}; }
    static TransferStep Fail(std::string text) { return {Action::Failed, {}, std::move(text)}; }
};
