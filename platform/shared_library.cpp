#include "platform/shared_library.h"

#include <dlfcn.h>
#include <link.h>

namespace kbc {

// Lazy binding resolves only the functions a run calls; local scope keeps the
// library's symbols (and those of its own FreeType) apart from ours. The
// libraries stay mapped until the process ends: cairo and fontconfig keep
// caches in their globals, which unmapping at exit would only cut loose.
SharedLibrary::SharedLibrary(const char* fileName)
    : handle_(fileName ? dlopen(fileName, RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE) : nullptr) {}

SharedLibrary::~SharedLibrary() {
  if (handle_) dlclose(handle_);
}

std::string SharedLibrary::Path() const {
  link_map* map = nullptr;
  if (!handle_ || dlinfo(handle_, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name) return {};
  return map->l_name;
}

void* SharedLibrary::Address(const char* name) const { return handle_ ? dlsym(handle_, name) : nullptr; }

}  // namespace kbc
