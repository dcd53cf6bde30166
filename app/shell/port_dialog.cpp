#include "shell/port_dialog.h"

#include "res/dialog_templates.h"
#include "res/port_dialog_ids.h"
#include "res/strings.h"

namespace ocel::shell {

namespace ids = res::port_dialog;

namespace {

// The list entries in the order they are added; the sorted lists show them
// as 2400, 4800, 9600 and Even, No, Odd.
struct ListEntry {
  const char* text;
  int value;
};
constexpr ListEntry kBaudRates[] = {{"9600", 9600}, {"4800", 4800}, {"2400", 2400}};
constexpr ListEntry kParities[] = {{"No", 0}, {"Odd", 1}, {"Even", 2}};

template <std::size_t N>
const ListEntry* findEntry(const ListEntry (&entries)[N], const QString& text) {
  for (const ListEntry& entry : entries)
    if (text == QLatin1String(entry.text)) return &entry;
  return nullptr;
}

}  // namespace

PortDialog::PortDialog(const platform::LoadedLibrary& library)
    : platform::Dialog(res::portDialogTemplate()), library_(library) {
  onClick(ids::kModel0, [this] { chooseModel(0); });
  onClick(ids::kModel1, [this] { chooseModel(1); });
  onClick(ids::kPal, [this] { chooseStandard(0); });
  onClick(ids::kNtsc, [this] { chooseStandard(1); });
  for (int number = 1; number <= 4; ++number)
    onClick(ids::kCom1 + number - 1, [this, number] { choosePort(number); });
}

bool PortDialog::OnInitDialog() {
  setCheck(ids::kModel0, 0);
  setCheck(ids::kModel1, 1);
  setCheck(ids::kPal, 1);
  setCheck(ids::kNtsc, 0);
  for (int id = ids::kCom1; id <= ids::kCom4; ++id) setCheck(id, id == ids::kCom1);
  for (const ListEntry& entry : kBaudRates) addComboString(ids::kBaudRate, entry.text);
  for (const ListEntry& entry : kParities) addComboString(ids::kParity, entry.text);
  setComboEditText(ids::kBaudRate, QStringLiteral("9600"));
  setComboEditText(ids::kParity, QStringLiteral("No"));
  enableControl(ids::kBaudRate, true);
  enableControl(ids::kParity, true);
  if (!entries_.bind(library_, this)) {
    EndDialog(platform::kIdCancel);
    return true;
  }
  port = 1;
  model = 1;
  standard = 0;
  baudRate = 9600;
  parity = 0;
  cancelled = 0;
  showPort();
  return true;
}

void PortDialog::chooseModel(int chosen) {
  setCheck(ids::kModel0, chosen == 0);
  setCheck(ids::kModel1, chosen == 1);
  // Model 0 runs at fixed line settings; the choices stay as they were.
  enableControl(ids::kBaudRate, chosen == 1);
  enableControl(ids::kParity, chosen == 1);
  model = chosen;
  showPort();
}

void PortDialog::chooseStandard(int chosen) {
  setCheck(chosen == 0 ? ids::kNtsc : ids::kPal, 0);
  standard = chosen;
  showPort();
}

void PortDialog::choosePort(int chosen) {
  for (int number = 1; number <= 4; ++number)
    if (number != chosen) setCheck(ids::kCom1 + number - 1, 0);
  port = chosen;
  showPort();
}

void PortDialog::OnComboSelectionChange(int controlId) {
  const int index = comboSelection(controlId);
  if (index >= 0) {
    const QString text = comboStrings(controlId).value(index);
    if (controlId == ids::kBaudRate) {
      if (const ListEntry* entry = findEntry(kBaudRates, text)) baudRate = entry->value;
    } else if (controlId == ids::kParity) {
      if (const ListEntry* entry = findEntry(kParities, text)) parity = entry->value;
    }
  }
  showPort();
}

void PortDialog::showPort() {
  setControlText(ids::kPortLabel, QString::fromUtf8(res::kPortLabelFormat).arg(port));
}

void PortDialog::OnOK() {
  EndDialog(platform::kIdOk);
  entries_.PortInitEx(port, model, standard, baudRate, parity);
}

void PortDialog::OnCancel() {
  EndDialog(platform::kIdCancel);
  cancelled = 1;
}

}  // namespace ocel::shell
