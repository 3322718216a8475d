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

#include <optional>
#include <string>
#include <utility>

namespace tavlo {

// Why something could not be done, in the user's words.
struct Reason {
  std::string Text;
};

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}              // NOLINT: a value is a success
  Result(Reason reason) : error_(std::move(reason.Text)) {}  // NOLINT: as is a reason a failure

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
  Result(Reason reason) : error_(std::move(reason.Text)) {}  // NOLINT: a reason is a failure

  bool Ok() const { return error_.empty(); }
  explicit operator bool() const { return Ok(); }
  const std::string& Error() const { return error_; }
  Reason Why() const { return {error_}; }

 private:
  std::string error_;
};

using Status = Result<void>;

}  // namespace tavlo
