// The main window and its About box, put together the same way for the
// program, the benchmarks and the tests.
#pragma once

#include "app/Unit1.h"

#include <memory>

// Makes TForm1, which runs its start-up, then its About box, hidden, as a
// child of the window so the two go together: at once when the box must ask
// for its picture, else right after the window's first paint (or at the
// box's first use, if that comes sooner).
std::unique_ptr<TForm1> MakeMainWindow(TApplication& app, FormServices services);
