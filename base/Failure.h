// Errors as values: what a failed operation has to tell the user, and the
// result of a function that gives a value or such a failure. Only the
// application shell and the command line show them (ShowFailure).
#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <variant>

// How a message is shown: its icon and buttons.
enum class MsgStyle { Error, Info, YesNo, YesNoCancel };

// A string-table message (an id from MessageIds.h) with the detail line shown
// before its text: a path, "ver 003", "[File Copy]", each with its line
// break. Id 0 (msg::None) tells nothing: the user cancelled, or there is no
// message for the case.
struct Failure {
  Failure() = default;
  explicit Failure(int id, QString detail = QString(), MsgStyle style = MsgStyle::Error)
      : id(id), detail(std::move(detail)), style(style) {}

  int id = 0;
  QString detail;
  MsgStyle style = MsgStyle::Error;
  friend bool operator==(const Failure&, const Failure&) = default;
};

// A value, or the failure that prevented it; shaped like std::expected.
template <typename T>
class Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

  bool has_value() const { return state_.index() == 0; }
  explicit operator bool() const { return has_value(); }
  T& value() { return std::get<0>(state_); }
  const T& value() const { return std::get<0>(state_); }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  const Failure& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, Failure> state_;
};

// Success without a value, or a failure.
template <>
class Result<void> {
 public:
  Result() = default;
  Result(Failure failure) : failure_(std::move(failure)) {}

  bool has_value() const { return !failure_.has_value(); }
  explicit operator bool() const { return has_value(); }
  const Failure& error() const { return *failure_; }

 private:
  std::optional<Failure> failure_;
};
