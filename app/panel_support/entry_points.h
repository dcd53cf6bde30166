// Entry point tables: each object that talks to the camera resolves the
// exports it calls by name into its own table when it initialises. The
// members carry the exports' names and exact types, so a call through a
// table reads like a call of the export: entries.SetShape(131).
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "Ocel400.h"
#include "platform/loaded_library.h"

class QWidget;

namespace ocel::panel_support {

// What runs before every call through an entry point table: nothing, or the
// hook set here. The wait window sets one that keeps it painted while the
// start-up reads hold the program's only thread.
using LibraryCallHook = void (*)();
void setLibraryCallHook(LibraryCallHook hook);

namespace detail {

void runLibraryCallHook();

// The address a table holds for an export: it runs the hook, then the
// export. The program has one library loaded at a time, so the export of
// each table entry (Entry) has one address.
template <class Entry, class Function>
struct HookedExport;
template <class Entry, class Result, class... Args>
struct HookedExport<Entry, Result (*)(Args...)> {
  static inline Result (*exported)(Args...) = nullptr;
  static Result call(Args... args) {
    runLibraryCallHook();
    return exported(args...);
  }
};

}  // namespace detail

class EntryPointBinder {
 public:
  explicit EntryPointBinder(const platform::LoadedLibrary& library) : library_(library) {}

  template <class Entry, class Function>
  void bind(const char* name, Function& slot) {
    static_assert(sizeof(Function) == sizeof(void*), "an export is one code address");
    using Hooked = detail::HookedExport<Entry, Function>;
    void* symbol = library_.resolve(name);
    std::memcpy(&Hooked::exported, &symbol, sizeof symbol);
    slot = symbol != nullptr ? &Hooked::call : nullptr;
    if (symbol == nullptr) missing_.push_back(name);
  }

  // True when every export was found. Otherwise tells the user which are
  // missing (in a message box owned by owner) and marks the run failed.
  bool complete(QWidget* owner) const;

 private:
  const platform::LoadedLibrary& library_;
  std::vector<std::string> missing_;
};

#define OCEL_ENTRY_POINT_MEMBER(name) \
  struct name##Entry;                 \
  decltype(&::name) name = nullptr;
#define OCEL_ENTRY_POINT_BIND(name) binder.bind<name##Entry>(#name, name);

// Defines an entry point table from an X-macro list of export names. Its
// bind() fills every member, in list order, and reports missing exports.
#define OCEL_DEFINE_ENTRY_POINTS(TableName, EXPORTS)                            \
  struct TableName {                                                            \
    EXPORTS(OCEL_ENTRY_POINT_MEMBER)                                            \
    bool bind(const ::ocel::platform::LoadedLibrary& library, QWidget* owner) { \
      ::ocel::panel_support::EntryPointBinder binder(library);                  \
      EXPORTS(OCEL_ENTRY_POINT_BIND)                                            \
      return binder.complete(owner);                                            \
    }                                                                           \
  }

}  // namespace ocel::panel_support
