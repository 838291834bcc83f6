// A failed step as the user will see it: the message id and the detail shown
// on the line before it (a path, the name of the step). Export code returns
// it; the window or the command line shows it.
#pragma once

#include <QString>
#include <optional>
#include <utility>

struct Failure {
  int id = 0;      // kCancelled when the user stopped the work: nothing to show
  QString detail;  // ends with a line feed when not empty
};

inline constexpr int kCancelled = 0;

// Empty on success.
using Status = std::optional<Failure>;

// A value, or the failure that prevented it.
template <typename T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}
  Result(Failure failure) : failure_(std::move(failure)) {}

  explicit operator bool() const { return value_.has_value(); }
  const T& operator*() const { return *value_; }
  T& operator*() { return *value_; }
  const T* operator->() const { return &*value_; }
  const Failure& Error() const { return failure_; }

 private:
  std::optional<T> value_;
  Failure failure_;
};

// Message ids the export code returns.
inline constexpr int kMsgNoMemory = 30001;
inline constexpr int kMsgCopyFailed = 30003;
inline constexpr int kMsgPngInfo = 30014;
inline constexpr int kMsgSaveFailed = 30018;
inline constexpr int kMsgOpenFailed = 30026;
inline constexpr int kMsgFolderFailed = 30057;
inline constexpr int kMsgPdfInfoFailed = 30084;
