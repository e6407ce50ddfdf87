// SPDX-License-Identifier: MIT
#include "host/platform/pulse_library.h"

#include <dlfcn.h>

namespace zorvik {

namespace {

bool load(PulseLibrary& library)
{
    void* handle = dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return false;
    bool found = true;
#define ZORVIK_PULSE_LOOKUP(name)                                                                  \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name));                 \
    found = found && library.name;
    ZORVIK_PULSE_FUNCTIONS(ZORVIK_PULSE_LOOKUP)
#undef ZORVIK_PULSE_LOOKUP
    return found;
}

} // namespace

const PulseLibrary* PulseLibrary::get()
{
    static PulseLibrary library;
    static const bool loaded = load(library);
    return loaded ? &library : nullptr;
}

} // namespace zorvik
