// The controls of the main window, as a table: every fact of each control
// in its row, the rows in tab order.
#pragma once

#include "widgets/ControlTable.h"

std::span<const ControlRow> MainWindowControls();
