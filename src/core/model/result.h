#pragma once
// The one way core reports a failure it expects: a damaged file, a deal that
// is no deal, an auction another program got wrong, a solver without an
// answer. The caller gets the value, or a reason written for the user to
// read, which the window shows through its notifier and the command line
// prints. A reason is written in English from a fixed sentence and its
// values; the window says it in the learner's language by that sentence's
// row in the table of messages (resources/lang/messages.tsv), so a new
// sentence gets a row there. A broken invariant is no such failure: it keeps the play's
// consistency stop.

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace tavlo {

// Why something could not be done, in the user's words.
struct Reason {
  std::string Text;
};

// Said when a failure comes without a reason.
inline constexpr const char* UnknownError = "Unknown error";

// The text a failure keeps. A failure without a reason is a programming
// fault, stopped in a debug build; a release build says at least that
// something failed rather than show a blank message, or, for an operation
// that gives nothing back, take the failure for a success.
inline std::string FailureText(Reason reason) {
  assert(!reason.Text.empty() && "a failure needs a reason");
  return reason.Text.empty() ? UnknownError : std::move(reason.Text);
}

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}                      // NOLINT: a value is a success
  Result(Reason reason) : error_(FailureText(std::move(reason))) {}  // NOLINT: a reason fails

  bool Ok() const { return value_.has_value(); }
  explicit operator bool() const { return Ok(); }
  const T& operator*() const& { return *value_; }
  T& operator*() & { return *value_; }
  T&& operator*() && { return std::move(*value_); }
  const T* operator->() const { return &*value_; }
  T* operator->() { return &*value_; }
  // Empty when the result holds its value.
  const std::string& Error() const { return error_; }
  // The reason of a failure, to hand on as the failure of another result.
  Reason Why() const { return {error_}; }

 private:
  std::optional<T> value_;
  std::string error_;
};

// The result of an operation that gives nothing back.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Reason reason) : error_(FailureText(std::move(reason))) {}  // NOLINT: a reason fails

  bool Ok() const { return error_.empty(); }
  explicit operator bool() const { return Ok(); }
  const std::string& Error() const { return error_; }
  Reason Why() const { return {error_}; }

 private:
  std::string error_;
};

using Status = Result<void>;

}  // namespace tavlo
