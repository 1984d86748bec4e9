#pragma once

#include <optional>
#include <string>
#include <utility>

namespace brelo {

// The result of a computation, or the message that tells the user why there is
// none: French, or in the language of the translator set (translate.h). A failed computation produces no partial result.
template <class T>
class Outcome {
public:
    static Outcome success(T value) { return Outcome(std::move(value), {}); }
    static Outcome failure(std::string message) { return Outcome(std::nullopt, std::move(message)); }

    bool ok() const { return value_.has_value(); }
    const T &value() const { return *value_; }
    const std::string &error() const { return error_; }

private:
    Outcome(std::optional<T> value, std::string error)
        : value_(std::move(value)), error_(std::move(error)) {}

    std::optional<T> value_;
    std::string error_;
};

} // namespace brelo
