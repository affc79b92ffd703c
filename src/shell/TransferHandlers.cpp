// Handlers of the main window's exchange and file-exchange commands. They are bound to their
// buttons and menu entries; the commands behind them come with the exchange engine, the scale
// functions and the file exchange.
#include "shell/MainForm.h"

namespace tevo {

// File menu.
void TMainForm::Excel1Click() {}
void TMainForm::dbf2Click() {}
void TMainForm::csv1Click() {}
void TMainForm::xls1Click() {}
void TMainForm::dbf1Click() {}
void TMainForm::csv2Click() {}
void TMainForm::csv3Click() {}
// Tools menu: automatic loading.
void TMainForm::N7Click() {}

// Goods tab.
void TMainForm::btnOneTClick() {}
void TMainForm::btnAllTClick() {}
void TMainForm::btnWriteTClick() {}
void TMainForm::btnReadTClick() {}
void TMainForm::btnStopTClick() {}

// Messages tab.
void TMainForm::btnOneMClick() {}
void TMainForm::btnAllMClick() {}
void TMainForm::btnWriteMClick() {}
void TMainForm::btnReadMClick() {}
void TMainForm::btnStopMClick() {}

// Parameters tab.
void TMainForm::Button1Click() {}
void TMainForm::Button2Click() {}
void TMainForm::Button3Click() {}
void TMainForm::SpeedButton4Click() {}
void TMainForm::SpeedButton5Click() {}
void TMainForm::btnReNewScaleStateClick() {}
void TMainForm::btnItogClick() {}

} // namespace tevo
