// The program itself, started as main() starts it.
#include "FirstPaint.h"

#include "app/Program.h"

int main(int argc, char* argv[]) { return RunVantel(argc, argv, ReportFirstPaintAndQuit); }
