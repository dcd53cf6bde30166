// Run-time loading of the camera library. The program asks for the file by
// its Windows name, "Ocel400.dll"; on Linux that is libOcel400.so, looked
// for beside the executable first and then on the standard search path.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace ocel::platform {

// The files to try, in order, for a requested library name. A name with a
// directory part is taken as it stands.
std::vector<std::string> libraryFileCandidates(const std::string& requestedName,
                                               const std::string& executableDirectory);

class LoadedLibrary {
 public:
  // Null when no candidate could be loaded; error then says why.
  static std::unique_ptr<LoadedLibrary> load(const std::string& requestedName, std::string& error);
  ~LoadedLibrary();  // releases the library
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;

  // The export of this name, or null.
  void* resolve(const char* exportName) const;
  const std::string& fileName() const { return fileName_; }

 private:
  LoadedLibrary(void* handle, std::string fileName)
      : handle_(handle), fileName_(std::move(fileName)) {}

  void* handle_;
  std::string fileName_;
};

}  // namespace ocel::platform
