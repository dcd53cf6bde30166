#include "platform/loaded_library.h"

#include <filesystem>

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <dlfcn.h>
#endif

namespace ocel::platform {

namespace {

std::string executableDirectory() {
#if defined(_WIN32)
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::filesystem::path(std::string(path, length)).parent_path().string();
#else
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : self.parent_path().string();
#endif
}

}  // namespace

std::vector<std::string> libraryFileCandidates(const std::string& requestedName,
                                               const std::string& executableDirectory) {
  const std::filesystem::path requested(requestedName);
  if (requested.has_parent_path()) return {requestedName};
#if defined(_WIN32)
  // The platform's own search order starts beside the executable.
  return {requestedName};
#else
  std::string stem = requested.stem().string();
  if (requested.extension() != ".dll") stem = requested.filename().string();
  const std::string file = requested.extension() == ".dll" ? "lib" + stem + ".so" : stem;
  std::vector<std::string> candidates;
  if (!executableDirectory.empty())
    candidates.push_back((std::filesystem::path(executableDirectory) / file).string());
  candidates.push_back(file);  // the standard search path
  return candidates;
#endif
}

std::unique_ptr<LoadedLibrary> LoadedLibrary::load(const std::string& requestedName,
                                                   std::string& error) {
  error.clear();
  for (const std::string& file : libraryFileCandidates(requestedName, executableDirectory())) {
#if defined(_WIN32)
    if (HMODULE handle = LoadLibraryA(file.c_str()))
      return std::unique_ptr<LoadedLibrary>(new LoadedLibrary(handle, file));
    error = "Windows error " + std::to_string(GetLastError());
#else
    // A candidate beside the executable that does not exist is no error
    // worth reporting; the last attempt's reason is.
    if (file.find('/') != std::string::npos && !std::filesystem::exists(file) &&
        file != requestedName)
      continue;
    if (void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL))
      return std::unique_ptr<LoadedLibrary>(new LoadedLibrary(handle, file));
    const char* reason = dlerror();
    error = reason ? reason : "unknown error";
#endif
  }
  return nullptr;
}

LoadedLibrary::~LoadedLibrary() {
#if defined(_WIN32)
  FreeLibrary(static_cast<HMODULE>(handle_));
#else
  dlclose(handle_);
#endif
}

void* LoadedLibrary::resolve(const char* exportName) const {
#if defined(_WIN32)
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), exportName));
#else
  return dlsym(handle_, exportName);
#endif
}

}  // namespace ocel::platform
