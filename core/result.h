// The one answer of every step from the encoders to the library: a value, or
// the reason there is none. Warnings travel alongside: what a value lacks, or
// where it differs from what was asked.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kbc {

// Why a step made nothing, in words a user can act on.
struct Refusal {
  explicit Refusal(std::string why) : reason(std::move(why)) {}
  std::string reason;
};

// The value of a step whose result is its effect: a file written, the clipboard filled.
struct Done {};

template <class T>
struct Result {
  std::optional<T> value;             // none when refused
  std::string refusal;                // why there is no value; empty when there is one
  std::vector<std::string> warnings;

  // Implicit both ways, so that a step returns its value or its refusal alike.
  Result(T made) : value(std::move(made)) {}
  Result(Refusal why) : refusal(std::move(why.reason)) {}

  explicit operator bool() const { return value.has_value(); }
  const T& operator*() const { return *value; }
  T& operator*() { return *value; }
  const T* operator->() const { return &*value; }
  T* operator->() { return &*value; }
};

using Status = Result<Done>;

}  // namespace kbc
