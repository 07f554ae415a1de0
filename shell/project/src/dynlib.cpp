#include "korvex/project/dynlib.h"

#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace korvex::project {

TDynamicLibrary::~TDynamicLibrary() { Unload(); }

void TDynamicLibrary::SetLibraryName(const std::string& name) {
  Unload();
  name_ = name;
}

void TDynamicLibrary::Load() {
  if (IsLoaded()) return;
  last_error_.clear();
#if defined(_WIN32)
  handle_ = reinterpret_cast<void*>(LoadLibraryA(name_.c_str()));
  if (handle_) return;
  const DWORD code = GetLastError();
  last_error_ = "error " + std::to_string(code);
  if (code == ERROR_DLL_INIT_FAILED) throw EInitError();
  if (code == ERROR_MOD_NOT_FOUND || code == ERROR_FILE_NOT_FOUND) throw EFileNotFoundError();
#else
  std::error_code ec;
  if (!std::filesystem::exists(name_, ec)) {
    last_error_ = name_ + ": no such file";
    throw EFileNotFoundError();
  }
  handle_ = dlopen(name_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_) return;
  const char* msg = dlerror();
  last_error_ = msg ? msg : "the loader refused the library";
  throw EInitError();
#endif
}

void* TDynamicLibrary::GetEntry(const std::string& symbol) const {
  if (!IsLoaded()) throw EDLLNotOpenError();
#if defined(_WIN32)
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), symbol.c_str()));
#else
  return dlsym(handle_, symbol.c_str());
#endif
}

void TDynamicLibrary::Unload() {
  if (!handle_) return;
#if defined(_WIN32)
  FreeLibrary(static_cast<HMODULE>(handle_));
#else
  dlclose(handle_);
#endif
  handle_ = nullptr;
}

std::string engine_library_file_name() {
#if defined(_WIN32)
  return "Korvex2015_DLL.dll";
#elif defined(__APPLE__)
  return "libKorvex2015_DLL.dylib";
#else
  return "libKorvex2015_DLL.so";
#endif
}

}  // namespace korvex::project
