#pragma once
// The result of an operation that can fail on bad input: success, or the message to show.

#include <string>
#include <utility>

namespace marlowe {

class Outcome {
public:
    static Outcome Success() { return Outcome(); }
    static Outcome Failure(std::string message) { return Outcome(std::move(message)); }

    bool ok() const { return message_.empty(); }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return message_; }

private:
    Outcome() = default;
    explicit Outcome(std::string message)
        : message_(message.empty() ? std::string("Unknown error.") : std::move(message))
    {
    }

    std::string message_;
};

} // namespace marlowe
