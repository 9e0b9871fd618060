// A value or an error message: how the core reports failures to the windows.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace dalvo {

// A failure, told in English in `message`. A window shows it in the
// student's language: `text` is the message with %1, %2, ... for
// `arguments`, marked with sourceText() in the context "dalvo::Error". An
// error without a `text` is shown as its message. A failure that explains
// another ("Line 5: ...") holds it in `nested`, numbered on after the
// arguments, so that the window shows both in the student's language.
struct Error {
    std::string message;
    std::string text = {};
    std::vector<std::string> arguments = {};
    std::vector<Error> nested = {};
};

// The error whose message is `text` with its arguments and then the
// messages of its nested errors put in.
Error explained(const char* text, std::vector<std::string> arguments = {}, std::vector<Error> nested = {});

// `text` with each %n (n from 1 to 9) replaced by the n-th of `arguments`,
// in one pass, so that an argument holding "%2" stays as it is.
std::string withArguments(std::string_view text, const std::vector<std::string>& arguments);

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    const T& value() const { return std::get<T>(state_); }
    T& value() { return std::get<T>(state_); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    const Error& error() const { return std::get<Error>(state_); }

private:
    std::variant<T, Error> state_;
};

// A result that carries no value when it succeeds.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error)), ok_(false) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const Error& error() const { return error_; }

private:
    Error error_;
    bool ok_ = true;
};

}  // namespace dalvo
