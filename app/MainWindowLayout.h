// The controls of the main window, as a table.
#pragma once

#include "widgets/ControlTable.h"

std::span<const ControlRow> MainWindowControls();
