// A copy of a grid that is never shown, for printing a grid with other texts
// than the window shows: the copy changes, the window's grid and what a
// screen reader hears of it stay as they are.
#pragma once

#include <memory>

class TStringGrid;

// Sizes, font, colours, screen and cells of source.
std::unique_ptr<TStringGrid> HiddenGridCopy(const TStringGrid& source);
// Brings an earlier copy up to date with source.
void CopyGridInto(const TStringGrid& source, TStringGrid& copy);
