#include "core/Logging.h"

#include "core/VantelError.h"

#include <exception>

Q_LOGGING_CATEGORY(lcPrint, "vantel.print")
Q_LOGGING_CATEGORY(lcSound, "vantel.sound")
Q_LOGGING_CATEGORY(lcGridIo, "vantel.gridio")
Q_LOGGING_CATEGORY(lcSpreadsheet, "vantel.spreadsheet")
Q_LOGGING_CATEGORY(lcHelp, "vantel.help")
Q_LOGGING_CATEGORY(lcSettings, "vantel.settings")
Q_LOGGING_CATEGORY(lcDesktop, "vantel.desktop")
Q_LOGGING_CATEGORY(lcSpeech, "vantel.speech")
Q_LOGGING_CATEGORY(lcProgress, "vantel.progress")
Q_LOGGING_CATEGORY(lcClassroom, "vantel.classroom")

namespace {
QString currentReason() {
    try {
        throw;
    } catch (const VantelError& error) {
        return error.Message();
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QStringLiteral("an unknown exception");
    }
}
} // namespace

void LogCurrentFailure(const QLoggingCategory& category, const char* what) {
    const QString reason = std::current_exception() ? currentReason() : QStringLiteral("no exception");
    qCWarning(category, "%s failed: %s", what, qUtf8Printable(reason));
}
