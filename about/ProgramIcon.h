// The program's 32 x 32 icon, drawn in the sixteen standard colours: a small
// hundred-cell sheet with its plus sign in the corner and one answer marked.
#pragma once

#include <QPixmap>

QPixmap ProgramIcon();
