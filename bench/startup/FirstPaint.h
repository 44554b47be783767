// Reports the time from the moment the driver started this process to the
// first paint of the given window, in ms, and the peak resident memory until
// then, in KiB, then ends the process.
#pragma once

class QWidget;

void ReportFirstPaintAndQuit(QWidget* window);
