#pragma once
// TDynamicLibrary: loads a shared library by name for the length of one run.
#include <stdexcept>
#include <string>

namespace korvex::project {

// Errors of the library wrapper.
class EDLLError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EInitError : public EDLLError {
 public:
  EInitError() : EDLLError("Library failed to properly initialize") {}
};
class EFileNotFoundError : public EDLLError {
 public:
  EFileNotFoundError() : EDLLError("Library could not be located") {}
};
class EDLLNotOpenError : public EDLLError {
 public:
  EDLLNotOpenError() : EDLLError("Library is not open") {}
};

class TDynamicLibrary {
 public:
  TDynamicLibrary() = default;
  ~TDynamicLibrary();  // unloads
  TDynamicLibrary(const TDynamicLibrary&) = delete;
  TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

  // Unloads a loaded library first, then keeps the name for Load.
  void SetLibraryName(const std::string& name);
  const std::string& LibraryName() const { return name_; }

  // Loads the library unless loaded. A missing file raises
  // EFileNotFoundError; a file the loader refuses raises EInitError. Any
  // other failure leaves the object unloaded (LastError tells why).
  void Load();
  // Address of an exported symbol, or null. Raises EDLLNotOpenError when not
  // loaded.
  void* GetEntry(const std::string& symbol) const;
  bool IsLoaded() const { return handle_ != nullptr; }
  void Unload();

  // The platform loader's message of the last failure (empty if none).
  const std::string& LastError() const { return last_error_; }

 private:
  std::string name_;
  void* handle_ = nullptr;
  std::string last_error_;
};

// File name of the engine library beside the executables on this platform.
std::string engine_library_file_name();

}  // namespace korvex::project
