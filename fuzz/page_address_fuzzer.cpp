// Page address to URL on any text: either a valid URL or the window's own error. The
// input is the location, then a NUL, then the anchor.
#include "browser/PageAddress.h"
#include "browser/WindowError.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const void* nul = std::memchr(text, 0, size);
    const size_t locationSize =
        nul ? static_cast<size_t>(static_cast<const char*>(nul) - text) : size;
    const browser::PageAddress address{
        QString::fromUtf8(text, static_cast<qsizetype>(locationSize)),
        nul ? QString::fromUtf8(text + locationSize + 1,
                                static_cast<qsizetype>(size - locationSize - 1))
            : QString()};
    const QString joined = address.location + address.anchor;
    try {
        const QUrl url = browser::pageUrl(address);
        if (!url.isValid()) {
            std::abort();
        }
        if (url.isLocalFile() &&
            (!url.host().isEmpty() ||
             !joined.endsWith(url.toLocalFile() + (url.hasFragment()
                                                       ? "#" + url.fragment(QUrl::FullyDecoded)
                                                       : QString())))) {
            std::abort(); // a local file stays on this machine, at the address's own path
        }
        if (url.isLocalFile() && address.anchor.contains(QLatin1Char('#')) &&
            url.fragment(QUrl::FullyDecoded) !=
                address.anchor.mid(address.anchor.indexOf(QLatin1Char('#')) + 1)) {
            std::abort(); // the anchor lands as it is written
        }
    } catch (const browser::WindowError&) {
    }
    return 0;
}
