#include "platform/Host.h"

#include <stdexcept>

namespace kord {

namespace {
Host* g_host = nullptr;
}

Host& TheHost() {
    if (!g_host) throw std::logic_error("no host installed");
    return *g_host;
}

void SetHost(Host* host) {
    g_host = host;
}

void Warn(const std::string& text, const std::string& title) {
    TheHost().MsgBox(text, MsgButtons::OK, MsgIcon::Exclamation, title);
}

}  // namespace kord
