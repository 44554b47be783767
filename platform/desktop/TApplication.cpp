#include "platform/desktop/TApplication.h"

#include "core/VantelError.h"

bool TApplication::Guard(const std::function<void()>& command) const {
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        HandleException(error);
    } catch (...) {
        HandleException(std::runtime_error("不明なエラーです。"));
    }
    return false;
}

void TApplication::HandleException(const std::exception& error) const {
    if (const auto* own = dynamic_cast<const VantelError*>(&error))
        messages_.ShowError(own->Message());
    else
        messages_.ShowError(QString::fromLocal8Bit(error.what()));
}
