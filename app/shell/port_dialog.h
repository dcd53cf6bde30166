// The port and camera selection dialog: COM port, camera model, video
// standard and the PC's line speed and parity. OK opens the link with them.
#pragma once

#include "panel_support/entry_points.h"
#include "platform/dialog.h"

namespace ocel::shell {

#define OCEL_PORT_DIALOG_EXPORTS(X) X(PortInitEx)
OCEL_DEFINE_ENTRY_POINTS(PortDialogEntryPoints, OCEL_PORT_DIALOG_EXPORTS);

class PortDialog : public platform::Dialog {
  Q_OBJECT
 public:
  explicit PortDialog(const platform::LoadedLibrary& library);

  // What the user chose; read by the start-up sequence after the dialog.
  int port = 1;
  int model = 1;
  int standard = 0;
  int baudRate = 9600;
  int parity = 0;
  int cancelled = 0;
  // errno as PortInitEx left it when it could not open the port, else 0.
  int openError = 0;

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnComboSelectionChange(int controlId) override;

 private:
  void chooseModel(int chosen);
  void chooseStandard(int chosen);
  void choosePort(int chosen);
  void showPort();

  const platform::LoadedLibrary& library_;
  PortDialogEntryPoints entries_;
};

}  // namespace ocel::shell
