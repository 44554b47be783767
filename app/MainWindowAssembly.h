// The main window and its About box, put together the same way for the
// program, the benchmarks and the tests.
#pragma once

#include "app/Unit1.h"

#include <memory>

// Makes TForm1, which runs its start-up, then its About box, hidden, as a
// child of the window so the two go together.
std::unique_ptr<TForm1> MakeMainWindow(TApplication& app, FormServices services);
