#include "platform/desktop/TApplication.h"

#include "core/VantelError.h"

#include <QCoreApplication>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TApplication)
};
} // namespace

bool TApplication::Guard(const std::function<void()>& command) const {
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        HandleException(error);
    } catch (...) {
        HandleException(VantelError(Texts::tr("不明なエラーです。")));
    }
    return false;
}

void TApplication::HandleException(const std::exception& error) const {
    if (const auto* own = dynamic_cast<const VantelError*>(&error))
        messages_.ShowError(own->Message());
    else
        messages_.ShowError(QString::fromLocal8Bit(error.what()));
}
