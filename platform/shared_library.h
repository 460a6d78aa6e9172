// Shared libraries opened when a run first needs them. A library linked the
// ordinary way is mapped and relocated by every run, used or not: HarfBuzz
// alone brings GLib, Graphite and a second FreeType. Opened on demand, a run
// that draws no text into a bitmap or encodes no QR symbol never loads them.
#pragma once

#include <string>

namespace kbc {

class SharedLibrary {
 public:
  // Opens the library by its file name (libharfbuzz.so.0); failure leaves it closed.
  explicit SharedLibrary(const char* fileName);
  ~SharedLibrary();
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;

  bool IsOpen() const { return handle_ != nullptr; }

  // The file the loader opened (empty when closed).
  std::string Path() const;

  // The function of that name, or null. `function` takes the declared type of
  // the library's own prototype, so a changed signature fails to compile.
  template <typename Function>
  bool Bind(Function*& function, const char* name) const {
    function = reinterpret_cast<Function*>(Address(name));
    return function != nullptr;
  }

 private:
  void* Address(const char* name) const;
  void* handle_ = nullptr;
};

}  // namespace kbc
