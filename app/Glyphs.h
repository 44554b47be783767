// The small pictures on the tool bar and the buttons, drawn rather than
// loaded, so they stay sharp and need no files.
#pragma once

#include <QIcon>

enum class Glyph { Start, Stop, Exit, Help, About, Print, Setup, Save, Open, Picture, Speaker };

QIcon GlyphIcon(Glyph glyph);

// A glyph as a plain function, for the rows of a window's table.
template <Glyph G> QIcon GlyphOf() { return GlyphIcon(G); }
