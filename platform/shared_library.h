// Shared libraries opened when a run first needs them. A library linked the
// ordinary way is mapped and relocated by every run, used or not: HarfBuzz
// alone brings GLib, Graphite and a second FreeType. Opened on demand, a run
// that draws no text into a bitmap or encodes no QR symbol never loads them.
//
// libtiff, libjpeg and libdmtx serve only some runs too. The local build links
// their static archives, which cost a run nothing until used; the packaged
// build (KBC_SYSTEM_LIBRARIES) opens their shared objects on demand instead of
// linking them, libtiff alone bringing seven libraries more. KBC_BIND_LINKED
// binds a function of theirs either way: to the linked-in function, or by name.
#pragma once

#include <string>

namespace kbc {

class SharedLibrary {
 public:
  // Opens the library by its file name (libharfbuzz.so.0); failure, or a null
  // name, leaves it closed.
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

// The file name to open a library by that the local build links instead: null there.
constexpr const char* OpenedInPackagedBuild(const char* fileName) { return KBC_SYSTEM_LIBRARIES ? fileName : nullptr; }

}  // namespace kbc

#if KBC_SYSTEM_LIBRARIES
#define KBC_BIND_LINKED(library, pointer, function) (library).Bind(pointer, #function)
#else
#define KBC_BIND_LINKED(library, pointer, function) ((pointer) = &(function), true)
#endif
