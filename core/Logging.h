// Logging categories, one per subsystem, and the trace a best-effort step
// leaves when it fails without the user being told. Enable them with
// QT_LOGGING_RULES="vantel.*=true"; warnings are on by default.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPrint)       // vantel.print
Q_DECLARE_LOGGING_CATEGORY(lcSound)       // vantel.sound
Q_DECLARE_LOGGING_CATEGORY(lcGridIo)      // vantel.gridio
Q_DECLARE_LOGGING_CATEGORY(lcSpreadsheet) // vantel.spreadsheet
Q_DECLARE_LOGGING_CATEGORY(lcHelp)        // vantel.help
Q_DECLARE_LOGGING_CATEGORY(lcSettings)    // vantel.settings
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)     // vantel.desktop
Q_DECLARE_LOGGING_CATEGORY(lcSpeech)      // vantel.speech
Q_DECLARE_LOGGING_CATEGORY(lcProgress)    // vantel.progress
Q_DECLARE_LOGGING_CATEGORY(lcClassroom)   // vantel.classroom

// Logs the exception being handled as a warning: "<what> failed: <reason>".
// Call it only inside a catch block.
void LogCurrentFailure(const QLoggingCategory& category, const char* what);
