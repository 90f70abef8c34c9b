// Page address to URL on any text: either a valid URL or the window's own error.
#include "ui/ErrorDisplay.h"
#include "ui/PageAddress.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString address =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QUrl url = pageUrlFromAddress(address);
        if (!url.isValid()) {
            std::abort();
        }
        if (url.isLocalFile() &&
            (!url.host().isEmpty() ||
             !address.endsWith(url.toLocalFile() + (url.hasFragment()
                                                        ? "#" + url.fragment(QUrl::FullyDecoded)
                                                        : QString())))) {
            std::abort(); // a local file stays on this machine, at the address's own path
        }
    } catch (const WindowError&) {
    }
    return 0;
}
