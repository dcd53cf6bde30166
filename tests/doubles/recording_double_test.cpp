// The recording double against what GUI tests rely on: its call log, its
// answers, and its export table matching the real library's.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Ocel400.h"
#include "recording_double.h"

namespace {

// Suite names are lower-case so that `ctest -R recording` selects them.
class recording_double : public testing::Test {
 protected:
  void SetUp() override {
    handle_ = dlopen(OCEL_DOUBLE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
    fake_.emplace([this](const char* name) { return dlsym(handle_, name); });
    fake_->reset();
  }
  void TearDown() override {
    if (handle_ != nullptr) dlclose(handle_);
  }

  template <typename Function>
  Function* find(const char* name) {
    void* symbol = dlsym(handle_, name);
    if (symbol == nullptr) throw std::runtime_error(std::string("no export ") + name);
    return reinterpret_cast<Function*>(symbol);
  }

  void* handle_ = nullptr;
  std::optional<RecordingDouble> fake_;
};

// A camera export of the loaded double, typed by the real declaration.
#define EXPORT(name) find<decltype(::name)>(#name)

TEST_F(recording_double, LogsEveryCallInItsFormat) {
  const std::vector<std::pair<std::function<void()>, std::string>> cases{
      {[&] { EXPORT(SetShape)(131); }, "SetShape(131)"},
      {[&] { EXPORT(SetMGC)(6.5); }, "SetMGC(6.5)"},
      {[&] { EXPORT(SetNegPos)(-1); }, "SetNegPos(-1)"},
      {[&] { EXPORT(SetAEMode)(65); }, "SetAEMode(65)"},
      {[&] { EXPORT(SelectArea)(15, 1); }, "SelectArea(15,1)"},
      {[&] { EXPORT(ReadArea)(3); }, "ReadArea(3)"},
      {[&] { EXPORT(PortInit)(2); }, "PortInit(2)"},
      {[&] { EXPORT(PortInitEx)(1, 1, 0, 9600, 0); }, "PortInitEx(1,1,0,9600,0)"},
      {[&] { EXPORT(GetShape)(); }, "GetShape()"},
      {[&] { EXPORT(GetMGC)(); }, "GetMGC()"},
      {[&] { EXPORT(LastResult)(); }, "LastResult()"},
  };
  std::vector<std::string> expected;
  for (const auto& [call, text] : cases) {
    call();
    expected.push_back(text);
  }
  EXPECT_EQ(fake_->calls(), expected);
}

TEST_F(recording_double, GettersAnswerTheStoredValueInTheirType) {
  struct Case {
    const char* what;
    std::function<void()> store;
    std::function<double()> read;
    double expected;
  };
  const std::vector<Case> cases{
      {"setter round trip", [&] { EXPECT_EQ(EXPORT(SetShape)(131), 0); },
       [&] { return EXPORT(GetShape)(); }, 131},
      {"double round trip", [&] { EXPECT_EQ(EXPORT(SetMGC)(6.5), 0); },
       [&] { return EXPORT(GetMGC)(); }, 6.5},
      {"signed setter, uint8 getter", [&] { EXPECT_EQ(EXPORT(SetNegPos)(-1), 0); },
       [&] { return EXPORT(GetNegPos)(); }, 255},
      {"uint8 keeps the low byte", [&] { fake_->setValue("Shape", 300); },
       [&] { return EXPORT(GetShape)(); }, 44},
      {"fraction dropped", [&] { fake_->setValue("YGamma", 131.9); },
       [&] { return EXPORT(GetYGamma)(); }, 131},
      {"GetMES keeps 16 bits", [&] { fake_->setValue("MES", 70000); },
       [&] { return EXPORT(GetMES)(); }, 70000 - 65536},
      {"beyond int64 clamps", [&] { fake_->setValue("AEMode", 1e300); },
       [&] { return EXPORT(GetAEMode)(); }, 255},
      {"NaN answers 0", [&] { fake_->setValue("Phase", std::nan("")); },
       [&] { return EXPORT(GetPhase)(); }, 0},
  };
  for (const Case& c : cases) {
    c.store();
    EXPECT_EQ(c.read(), c.expected) << c.what;
  }
}

TEST_F(recording_double, QueuedAnswersComeFirstInOrderPerStem) {
  fake_->setValue("MGC", 1.5);
  fake_->queueAnswer("MGC", 2.5);
  fake_->queueAnswer("MGC", 3.5);
  fake_->queueAnswer("Shape", 9);
  std::vector<double> answers;
  for (int i = 0; i < 4; ++i) answers.push_back(EXPORT(GetMGC)());
  EXPECT_EQ(answers, (std::vector<double>{2.5, 3.5, 1.5, 1.5}));
  EXPECT_EQ(EXPORT(GetShape)(), 9);
  EXPECT_EQ(EXPORT(GetShape)(), 0);
}

TEST_F(recording_double, AreaRowsComeFromSetAreaAndSelectArea) {
  fake_->setArea(0, 0x1F);
  fake_->setArea(6, 3);  // beyond the rows: ignored
  EXPECT_EQ(EXPORT(SelectArea)(0x15, 5), 0);
  const std::vector<std::pair<int32_t, int32_t>> rows{{0, 0x1F}, {5, 0x15}, {3, 0}, {6, 0}, {-1, 0}};
  for (const auto& [row, mask] : rows) EXPECT_EQ(EXPORT(ReadArea)(row), mask) << "row " << row;
}

TEST_F(recording_double, ClearCallsKeepsTheScriptResetDropsIt) {
  fake_->setValue("Shape", 7);
  fake_->queueAnswer("MES", 500);
  fake_->setArea(2, 4);
  EXPORT(GetRate0)();
  fake_->clearCalls();
  EXPECT_TRUE(fake_->calls().empty());
  EXPECT_EQ(EXPORT(GetShape)(), 7);

  fake_->reset();
  EXPECT_EQ(EXPORT(GetShape)(), 0);
  EXPECT_EQ(EXPORT(GetMES)(), 0);
  EXPECT_EQ(EXPORT(ReadArea)(2), 0);
  EXPECT_EQ(fake_->calls(), (std::vector<std::string>{"GetShape()", "GetMES()", "ReadArea(2)"}));
}

// Names defined in a library's dynamic symbol table.
std::set<std::string> exportedNames(const std::string& library) {
  const std::string command = "nm -D --defined-only --format=posix '" + library + "'";
  FILE* pipe = popen(command.c_str(), "r");
  std::set<std::string> names;
  if (pipe == nullptr) return names;
  char line[512];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    char name[256];
    if (std::sscanf(line, "%255s", name) == 1) names.insert(name);
  }
  pclose(pipe);
  return names;
}

TEST(recording_double_library, ExportsTheRealLibrarysNamesPlusControl) {
  std::set<std::string> expected = exportedNames(OCEL400_LIBRARY_PATH);
  ASSERT_EQ(expected.size(), 93u);
  for (const char* control :
       {"OcelDouble_Reset", "OcelDouble_SetValue", "OcelDouble_QueueAnswer", "OcelDouble_SetArea",
        "OcelDouble_CallCount", "OcelDouble_Call", "OcelDouble_ClearCalls"}) {
    expected.insert(control);
  }
  std::set<std::string> withoutGetShape = expected;
  withoutGetShape.erase("GetShape");

  const std::vector<std::pair<const char*, const std::set<std::string>*>> variants{
      {OCEL_DOUBLE_PATH, &expected}, {OCEL_DOUBLE_NO_GETSHAPE_PATH, &withoutGetShape}};
  for (const auto& [path, names] : variants) EXPECT_EQ(exportedNames(path), *names) << path;
}

}  // namespace
